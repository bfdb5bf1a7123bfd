#pragma once

#include "core/document/DocumentModel.h"

#include <QWidget>
#include <memory>

class QTimer;
class QModelIndex;
class QTreeView;

namespace Quillwright {

class DialogService;
class DocumentChecks;
class DocumentFile;
class EditorMarks;
class FindBar;
class GoToLineBar;
class JournalStore;
class ModEditor;
class QtRichTextControl;
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

// frmDocument: one script in mod_fly beside its outline Actionlist. Its file
// on disk and the script checker are parts of their own.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(const DocumentServices& services, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    ModEditor* mod_fly() const { return m_modFly; }
    QTreeView* Actionlist() const { return m_actionlist; }
    QtRichTextControl& control() const { return *m_control; }
    DocumentModel& model() const { return *m_model; }
    DocumentFile& file() const { return *m_file; }
    DocumentChecks& checks() const { return *m_checks; }

    // The caption is the file's path, or "Document" and a number while the
    // script has no file.
    QString caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

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
    FindBar* findBar() const { return m_findBar; }
    GoToLineBar* goToLineBar() const { return m_lineBar; }
    // What the status bar says of this document while it is the active one:
    // the disk's word first (its file changed or went); else why an edit
    // was refused in a script that is only shown, until the caret moves;
    // else the finding under the caret; empty when nothing.
    QString statusMessage() const;
    // An action node of the outline takes the caret to its banner line.
    void showActionNode(const QModelIndex& node);
    QSize sizeHint() const override { return {560, 400}; }

signals:
    void outlineRouteRequested(OutlineRoute route);
    void statusMessageChanged();

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
    std::unique_ptr<QtRichTextControl> m_control;
    std::unique_ptr<DocumentModel> m_model;
    std::unique_ptr<EditorMarks> m_marks;
    DocumentFile* m_file;
    DocumentChecks* m_checks;
    QTimer* m_journalTimer;
    bool m_endingSession = false;
    QString m_shownOnly; // why the last edit was refused, until the caret moves
};

} // namespace Quillwright
