#pragma once

#include "core/colouring/LineIndex.h"
#include "core/document/Snapshots.h"
#include "core/outline/ActionOutline.h"
#include "core/text/LineStore.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

namespace Quillwright {

class LineRewriteMemo;
class RichTextControl;

// Everything a document window keeps in step with its script, without the
// widgets: the refresh flag, the snapshot slots and their timer, the action
// outline, and the change handler that colours the text. The window wires
// it to its editor widget's control and tree; tests drive it on the in-memory one.
class DocumentModel : public QObject {
    Q_OBJECT
public:
    static constexpr int SnapshotInterval = 686; // milliseconds
    static constexpr int GrowthThreshold = 50;   // characters

    explicit DocumentModel(RichTextControl& control, QObject* parent = nullptr);
    ~DocumentModel() override;

    RichTextControl& control() const { return m_control; }
    Snapshots& snapshots() { return m_snapshots; }
    const Snapshots& snapshots() const { return m_snapshots; }
    // Timer1: the snapshot timer, which fires after a pause in typing.
    QTimer& Timer1() { return m_timer; }
    const ActionOutline::Model& outline() const { return m_outline; }

    // UpdateBrowserTF, the refresh flag: set whenever the whole text was built or replaced,
    // so the next change colours all of it and rebuilds the outline.
    bool UpdateBrowserTF() const { return m_updateBrowserTF; }
    void setUpdateBrowserTF(bool on) { m_updateBrowserTF = on; }

    // Creation: template, default.txt when it can be read, Generator line,
    // font, empty snapshots, caret at 0, outline.
    void initialise(const QString& defaultTxtPath, const QString& fontName);

    // mod_fly_Change: the change handler, run on every change of the script
    // editor (mod_fly). It works line by line; the reference handler does
    // the whole-text work on every change, and the tests hold the two to the
    // same results.
    void mod_fly_Change();
    void setReferenceHandler(bool on) { m_reference = on; }
    void Timer1_Timer();

    // A script read from a file becomes the document: File, Open puts a
    // blank after each line of 65 "#", the command-line load takes it away;
    // both then repair it, each step replacing the whole text with the
    // refresh flag set. The history starts afresh and the text counts as
    // unchanged. A plain script takes one round of change handling: the
    // rounds before the last one leave nothing but "#EoM" written out as
    // "# EoM", which is done on the text instead. The reference handler
    // (and a script read as RTF, whose first round depends on its colours)
    // takes every round.
    enum class LoadRoute { Open, CommandLine };
    // The text work of loading, which needs no control and so can be done
    // on another thread while the window keeps handling events.
    struct PreparedScript {
        StyledText content; // as read, when it was not prepared
        LineStore lines;    // what the rounds make of a plain script
        bool prepared = false;
    };
    static constexpr qsizetype PrepareHalvesFrom = 1 << 20;
    // `halvesFrom`: the length from which the text is prepared in two halves at once.
    static PreparedScript prepareScript(StyledText content, LoadRoute route,
                                        qsizetype halvesFrom = PrepareHalvesFrom);
    void loadScript(const PreparedScript& script, LoadRoute route);
    void loadScript(const StyledText& content, LoadRoute route);
    // RefreshActionOutline: the outline's action nodes from the whole text.
    void RefreshActionOutline();
    // The line of the script's banner number `banner` (from 0, in the order
    // of the action nodes), or -1 when there is no such banner now.
    int bannerLine(int banner);
    // What an OPEN banner opens: the first line after it that is neither
    // empty nor "#" alone, trimmed; empty when there is none before the
    // next banner.
    QString openedFile(int bannerLine) const;

    // Undo by 1 to 3 levels: the snapshot slots shift and the document
    // shows the new Text1.
    void undo(int levels);

    // Before and after an edit that undo takes back on its own (Replace
    // All): the text becomes the newest snapshot now, whatever its length
    // did, unless it already is.
    void takeSnapshot();

    // Redo takes back the last undo, as long as nothing changed the text
    // since; undos in a row are taken back one by one.
    bool canRedo() const;
    void redo();

    UndoControls undoControls() const { return m_snapshots.controls(); }
    // The window now holds another script: its snapshots go, so that no
    // undo brings back the text of the one before.
    void restartHistory();

    // Unsaved work is whatever differs from the text as it was created,
    // opened or saved; the snapshot slots do not decide it.
    bool hasUnsavedChanges() const;
    void markUnchanged();
    // Counts the text as unsaved whatever it is (text brought back from a
    // recovery journal), until it is next marked unchanged.
    void markUnsaved();

signals:
    void outlineRebuilt();
    void undoControlsChanged(UndoControls controls);
    // The text was saved or opened: nothing is unsaved now.
    void markedUnchanged();

private:
    // Each colours the text and moves the saved selection [start, end) with
    // the characters the rewrite inserted before it.
    void referenceChange(int& start, int& end);
    void lineByLineChange(int& start, int& end);
    bool rtfGrowthReached(qsizetype snapshotLength) const;

    RichTextControl& m_control;
    LineIndex m_index;
    std::unique_ptr<LineRewriteMemo> m_memo;
    Snapshots m_snapshots;
    ActionOutline::Model m_outline;
    quint64 m_outlineGeneration = ~quint64(0); // the index's banners the nodes were read from
    bool m_outlineReadsOn = false;
    QTimer m_timer;
    // The text as last opened or saved, sharing its lines with the control's
    // store; none: unsaved whatever the text.
    std::optional<LineStore> m_unchanged;
    // What each undo in a row replaced: the slots and the text shown.
    struct Undone {
        Snapshots snapshots;
        LineStore text;
    };
    std::vector<Undone> m_undone;
    quint64 m_undoneRevision = 0; // the text's revision right after the last undo or redo
    bool m_updateBrowserTF = true;
    bool m_inHandler = false;
    bool m_reference = false;
};

} // namespace Quillwright
