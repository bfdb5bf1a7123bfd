#pragma once

#include "core/checker/Finding.h"
#include "core/document/DocumentModel.h"
#include "core/script/ScriptFile.h"

#include <QTextEdit>
#include <QWidget>
#include <memory>

class DialogService;
class DiskChangeBar;
class FindBar;
class GoToLineBar;
class JournalStore;
class ModEditor;
class QtRichTextControl;
class QFileSystemWatcher;
class QTimer;
class QModelIndex;
class QTreeView;
class OutlineModel;
class SettingsStore;

// What a double-click on the outline opens.
enum class OutlineRoute { Nothing, AuthorDialog, HeaderDialog };
OutlineRoute outlineRoute(const QString& nodeKey, const QString& parentKey);

// The services a document window needs from the program.
struct DocumentServices {
    SettingsStore* settings = nullptr;
    DialogService* dialogs = nullptr;
    QString programFolder;           // where default.txt is looked for
    JournalStore* journal = nullptr; // keeps unsaved work across a crash
    int number = 0;                  // the window's own number for its journal
};

// frmDocument: one script in mod_fly beside its outline Actionlist.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(const DocumentServices& services, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    ModEditor* mod_fly() const { return m_modFly; }
    QTreeView* Actionlist() const { return m_actionlist; }
    QtRichTextControl& control() const { return *m_control; }
    DocumentModel& model() const { return *m_model; }

    // The caption is the file's path, or "Document" and a number while the
    // script has no file.
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // The file the script was opened from or last saved to; empty while
    // untitled. Setting it sets the caption too.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    bool isUntitled() const { return m_filePath.isEmpty(); }

    // The file's encoding, in which the script is saved back.
    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }
    // The script was read from `path`: what the file was then, so that a
    // change made by another program is noticed (the file is watched).
    void fileWasRead(const QString& path, TextEncoding encoding,
                     const ScriptFile::FileStamp& stamp);
    // Writes the script to `path`, asking first when that is its own file
    // and another program changed it since, or when no one may write the
    // file. On success nothing is unsaved and, with `adopt`, the path is the
    // document's (Save of an untitled script keeps it untitled).
    enum class Adopt { Path, Nothing };
    bool saveTo(const QString& path, Adopt adopt = Adopt::Path);

    void Form_Load();
    // The recovery journal, written while the text is unsaved and removed once
    // it is saved or closed without saving. Steady typing never postpones it:
    // it is written this long after the first change it has not yet got.
    static constexpr int JournalDelay = 1000; // milliseconds
    void writeJournal();
    // The session is ending (SIGTERM, SIGHUP): the window closes without a
    // question and its journal stays for the next start.
    void endWithSession() { m_endingSession = true; }
    // Asks whether to save unsaved work and saves on Yes. Returns false when
    // the user cancelled or the save failed: the caller then stops.
    bool saveChangesPrompt();
    // A fixed node of the outline by its key ("mod", "header", ..., "actions").
    QModelIndex outlineNode(const QString& key) const;
    // The script checker's findings, found at the pause after the last
    // change; underlined in the script, never in its colours.
    static constexpr int CheckPause = 700; // milliseconds after the last change
    const std::vector<Checker::Finding>& findings() const { return m_findings; }
    void checkNow();
    // With a forum's folder, each check also tries every FIND against its files.
    void setForumFolder(const QString& folder);
    QString forumFolder() const { return m_forumFolder; }
    // Kinds of problem the user chose not to see (rule ids).
    void setIgnoredRules(const QStringList& rules);
    // The rule of a finding at the caret; empty when none is there.
    QString ruleAtCaret() const;
    // F8 and Shift+F8: the caret to the next or the previous finding.
    void goToFinding(int direction);
    FindBar* findBar() const { return m_findBar; }
    DiskChangeBar* diskChangeBar() const { return m_diskBar; }
    // What the status bar says of this document while it is the active one
    // (its file changed or went on disk); empty when nothing.
    // The disk's word comes first; else the finding under the caret, with
    // its severity in words ("Warning: ..."), so that F8 is heard, not only seen.
    QString statusMessage() const
    {
        return m_statusMessage.isEmpty() ? m_caretFinding : m_statusMessage;
    }
    GoToLineBar* goToLineBar() const { return m_lineBar; }
    // An action node of the outline takes the caret to its banner line.
    void showActionNode(const QModelIndex& node);
    QSize sizeHint() const override { return {560, 400}; }

signals:
    void outlineRouteRequested(OutlineRoute route);
    // Another program changed the document's file on disk.
    void changedOnDisk(const QString& path);
    // A check found what findings() now holds.
    void findingsChanged();
    // The script was written to `path`.
    void savedTo(const QString& path);
    // The user asked for the file to be read again (the disk-change bar).
    void reloadRequested();
    void statusMessageChanged();
    // The user chose not to be told of this kind of problem again.
    void ignoreRuleRequested(const QString& rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Resize();
    void buildSkeleton();
    void rebuildActionNodes();
    void Actionlist_DblClick();

    DocumentServices m_services;
    ModEditor* m_modFly;
    QTreeView* m_actionlist;
    OutlineModel* m_outline;
    FindBar* m_findBar;
    GoToLineBar* m_lineBar;
    DiskChangeBar* m_diskBar;
    QString m_statusMessage;
    QString m_caretFinding;
    void showCaretFinding();
    void setStatusMessage(const QString& message);
    std::unique_ptr<QtRichTextControl> m_control;
    std::unique_ptr<DocumentModel> m_model;
    void watchFile();
    void fileChangedOnDisk();

    QString m_filePath;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    ScriptFile::FileStamp m_diskStamp; // the file as last read or written
    QFileSystemWatcher* m_watcher;
    QTimer* m_journalTimer;
    QTimer* m_checkTimer;
    std::vector<Checker::Finding> m_findings;
    bool m_findingsCurrent = false;          // no change since the check that found them
    std::pair<int, int> m_underlined{0, -1}; // the lines whose findings are underlined
    QString m_forumFolder;
    QStringList m_ignoredRules;
    void underlineFindings();
    // The checker's underlines and the find bar's matches in view share the
    // editor's extra selections.
    QList<QTextEdit::ExtraSelection> m_checkMarks;
    QList<QTextEdit::ExtraSelection> m_findMarks;
    void showMarks();
    void markFindMatchesInView();
    void underlineFindingsInView();
    QString findingsAt(const QPoint& viewportPos) const;
    QString ruleAt(const QPoint& viewportPos) const;
    // The findings that cover column `column` of line `line` (both from 1).
    std::vector<const Checker::Finding*> findingsAtPlace(int line, int column) const;
    bool m_endingSession = false;
};
