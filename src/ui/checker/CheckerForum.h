#pragma once

#include <QObject>

namespace Quillwright {

class Frame;

// The forum whose files the script checker tries each FIND against, for
// every document; remembered in the settings. Without one the dry run
// stops.
class CheckerForum : public QObject {
    Q_OBJECT
public:
    explicit CheckerForum(Frame& frame);

    QString folder() const { return m_folder; }
    void setFolder(const QString& folder);
    // Asks for the folder and remembers it.
    void choose();
    void forget();

private:
    void remember(const QString& folder);

    Frame& m_frame;
    QString m_folder;
};

} // namespace Quillwright
