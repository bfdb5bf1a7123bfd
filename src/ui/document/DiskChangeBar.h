#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace Quillwright {

// The bar above a script whose file another program changed or deleted, as
// the editors users know have it: the script stays as it is until the user
// says. Changed: "Reload" (and "Keep Mine" while nothing is unsaved, since
// then the file on disk is the newer work). Deleted: "Save" writes it again.
class DiskChangeBar : public QWidget {
    Q_OBJECT
public:
    explicit DiskChangeBar(QWidget* parent = nullptr);

    enum class Kind { Changed, Deleted };
    void showFor(Kind kind, const QString& path, bool unsaved);
    void close();
    QString message() const;

signals:
    void reloadRequested();
    void saveRequested();
    // Shown or hidden: the window lays itself out again.
    void visibilityChanged();

private:
    QLabel* m_text;
    QPushButton* m_reload;
    QPushButton* m_save;
    QPushButton* m_keep;
};

} // namespace Quillwright
