#pragma once

#include "core/text/ChangedLines.h"
#include "core/text/LineStore.h"

#include <QTextBlock>
#include <functional>

class QPlainTextEdit;
class QPrinter;

namespace Quillwright {

// The editor widget's document as a mirror of a control's line store. It
// shows what changed in the store since it last showed (only the lines
// whose text or colours differ, each stretch in one edit block), and reads
// back the blocks the widget edits on its own (a cut, a drop, an input
// method). The store is the truth; the widget shows it.
class EditorMirror {
public:
    // Whatever the widget holds already becomes the store's first content.
    EditorMirror(QPlainTextEdit& editor, LineStore& store);

    // Brings the widget up to the store for the lines changed since.
    void showLines(ChangedLines& changed);
    void showSelection(int start, int length);
    // The widget edited blocks itself from document position `pos`, with
    // `added` characters: the store's lines [line, line + removed) are now
    // `lines`, which the mirror takes as shown.
    struct ReadBack {
        int line = 0;
        int removed = 0;
        std::vector<LinePtr> lines;
    };
    ReadBack readBack(int pos, int added);
    // The widget's selection in the store's CR LF positions.
    std::pair<int, int> widgetSelection() const;

    // Position mapping between CR LF positions and document positions, for
    // a document that is up to date.
    int toDocPosition(int pos) const;
    int fromDocPosition(int docPos) const;
    // The content as the widget's document holds it, for checking that it
    // shows what the store holds.
    StyledText documentContent() const;

    // Called between slices while the widget takes in a great many lines,
    // with the lines taken in so far and their number, so that events can
    // be handled meanwhile; none by default.
    using ShowProgress = std::function<void(qint64 done, qint64 total)>;
    void setShowProgress(ShowProgress progress) { m_showProgress = std::move(progress); }
    static constexpr int ShowSlice = 1 << 15;
    // While the widget is being brought up to date, events handled between
    // slices included: work that reads the widget, or that can wait for
    // it, waits.
    bool isShowing() const { return m_programmatic > 0; }
    void setFont(const QString& name);
    // Prints the selection, or the whole text when nothing is selected.
    void printSelection(QPrinter* printer) const;

private:
    QTextBlock blockNumber(int line) const;

    QPlainTextEdit& m_editor;
    const LineStore& m_store;
    // What the widget's document holds, line by line.
    ChunkedVector<LinePtr> m_shown;
    int m_programmatic = 0;
    int m_blockCount = 1;
    mutable QTextBlock m_lastBlock;
    mutable int m_lastBlockNumber = -1;
    ShowProgress m_showProgress;
};

} // namespace Quillwright
