#pragma once

#include "core/install/ModInstaller.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace Quillwright {

class DocumentWindow;

// A document's script installed in memory on the forum in `forumFolder`,
// its COPY sources beside its file.
struct ScriptInstallation {
    std::vector<Install::Script> scripts;
    Install::Result result;
};
ScriptInstallation installScript(DocumentWindow* doc, const QString& forumFolder);

// What the active script would do to the forum, before anything is done:
// the files it OPENs on the left (changed, failed, unchanged), the chosen
// file's changes on the right as a coloured diff with the forum's line
// numbers, and what is left to do by hand below. It follows the script as it
// is edited (again at each pause) and never writes anything.
class InstallPreview : public QWidget {
    Q_OBJECT
public:
    explicit InstallPreview(QWidget* parent = nullptr);

    // The script shown, and the forum it is tried on.
    void show(DocumentWindow* script, const QString& forumFolder);
    void refresh();

    const Install::Result& result() const { return m_result; }
    const std::vector<Install::Script>& scripts() const { return m_scripts; }
    QString forumFolder() const { return m_forum; }
    DocumentWindow* script() const { return m_doc; }
    QTreeWidget* files() const { return m_files; }
    QPlainTextEdit* diff() const { return m_diff; }
    QListWidget* toDo() const { return m_todo; }

signals:
    // A failed action was chosen: its banner line (from 1) in the script.
    void goToScriptLine(DocumentWindow* script, int line);
    void installRequested();

private:
    void showFile(const QString& path);
    void itemChosen(QTreeWidgetItem* item);

    QPointer<DocumentWindow> m_doc;
    QString m_forum;
    std::vector<Install::Script> m_scripts;
    Install::Result m_result;
    QLabel* m_summary;
    QTreeWidget* m_files;
    QPlainTextEdit* m_diff;
    QListWidget* m_todo;
    QPushButton* m_install;
    QTimer* m_again;
};

} // namespace Quillwright
