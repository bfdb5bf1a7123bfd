#pragma once

#include "core/install/ModInstaller.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace Quillwright {

class DocumentWindow;
class PreviewDiff;

// A document's script installed in memory on the forum in `forumFolder`,
// its COPY sources beside its file.
struct ScriptInstallation {
    std::vector<Install::Script> scripts;
    Install::Result result;
};
ScriptInstallation installScript(DocumentWindow* doc, const QString& forumFolder);

// What the active script would do to the forum, before anything is done:
// the forum in use (with a button to change it), the files the script
// OPENs on the left (changed, failed, unchanged) with why a chosen one
// failed, the chosen file's changes on the right as a coloured diff with the
// forum's line numbers, and what is left to do by hand below, each to-do's
// lines as the script wrote them. It follows the active script, and the
// script as it is edited (again at each pause, keeping the chosen file and
// the place in its diff), never takes the focus by itself and never writes
// anything. A window of the main window's, so it stays above it.
class InstallPreview : public QDialog {
    Q_OBJECT
public:
    explicit InstallPreview(QWidget* parent = nullptr);

    // Shows the script on the forum set, and brings the window to the user.
    void show(DocumentWindow* script);
    // Shows another script (the active one) without taking the focus.
    void follow(DocumentWindow* script);
    // The forum in use, and a note on it (chosen for another script's package).
    void setForum(const QString& forumFolder, const QString& note);
    void refresh();
    // Tells the user, and assistive technology, how an installation went.
    void announce(const QString& text);

    const Install::Result& result() const { return m_result; }
    const std::vector<Install::Script>& scripts() const { return m_scripts; }
    QString forumFolder() const { return m_forum; }
    DocumentWindow* script() const { return m_doc; }
    QTreeWidget* files() const { return m_files; }
    QPlainTextEdit* diff() const;
    QPlainTextEdit* failure() const { return m_failure; }
    QListWidget* toDo() const { return m_todo; }

signals:
    // A failed action was chosen: its banner line (from 1) in the script.
    void goToScriptLine(DocumentWindow* script, int line);
    void installRequested();
    void changeForumRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(DocumentWindow* script);
    void placeInsideScreen();
    void showFiles();
    void showToDo();
    void showChosen(QTreeWidgetItem* item);
    void showFile(const QString& path);
    QString failureText(const Install::Finding& finding) const;
    void itemChosen(QTreeWidgetItem* item);
    void copyToDo();

    QPointer<DocumentWindow> m_doc;
    QString m_forum;
    std::vector<Install::Script> m_scripts;
    Install::Result m_result;
    bool m_placed = false;
    QLabel* m_summary;
    QLabel* m_forumLabel;
    QPushButton* m_changeForum;
    QTreeWidget* m_files;
    QPlainTextEdit* m_failure;
    PreviewDiff* m_diff;
    QListWidget* m_todo;
    QLabel* m_status;
    QPushButton* m_install;
    QTimer* m_again;
};

} // namespace Quillwright
