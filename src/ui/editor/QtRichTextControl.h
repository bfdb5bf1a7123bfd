#pragma once

#include "core/control/RichTextControl.h"
#include "core/text/LineStore.h"
#include "ui/editor/LineAlignment.h"
#include "ui/editor/ModEditor.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <functional>
#include <optional>

class QPrinter;

// The control over the editor widget. The script lives in a line store,
// which every question is answered from; the widget shows it. Edits change
// the store, and when the outermost edit (with the change handling it set
// off) is over, the widget is brought up to date in one edit block: only
// the lines whose text or colours then differ from what it shows, and the
// selection. So a keystroke costs the lines it touches, and colours that a
// change takes away and the handler puts back never reach the widget.
class QtRichTextControl : public RichTextControl {
    Q_OBJECT
public:
    explicit QtRichTextControl(QPlainTextEdit* editor, QObject* parent = nullptr);

    QPlainTextEdit* editor() const { return m_editor; }

    QString text() const override;
    int textLength() const override { return m_store.length(); }
    void setText(const QString& text) override;
    QString rtf() const override;
    void setRtf(const QString& rtf) override;
    StyledText styledText() const override { return m_store.content(); }
    void setStyledText(const StyledText& content) override;

    int selStart() const override { return m_selStart; }
    int selLength() const override { return m_selLength; }
    void setSelStart(int start) override;
    void setSelLength(int length) override;

    QString selText() const override;
    void setSelText(const QString& text) override;
    QString selRtf() const override;

    TextColor selColor() const override;
    void setSelColor(TextColor color) override;

    int find(const QString& needle, std::optional<int> start = std::nullopt) override;

    int lineCount() const override { return m_store.lineCount(); }
    int lineStart(int line) const override { return m_store.lineStart(line); }
    int lineAt(int pos) const override { return m_store.lineAt(pos); }
    LinePtr line(int line) const override;
    LineStore lineSnapshot() const override { return m_store; }
    void setLines(const LineStore& lines) override;
    void setLine(int line, const StyledText& content) override;

    QString fontName() const override { return m_fontName; }
    void setFontName(const QString& name) override;
    int rightMargin() const override { return m_rightMargin; }
    void setRightMargin(int twips) override;

    // Prints the selection, or the whole text when nothing is selected.
    void printSelection(QPrinter* printer) const;

    // The content as the widget's document holds it, for checking that it
    // shows what the store holds.
    StyledText documentContent() const;

    // Position mapping between CR LF positions and document positions, for
    // a document that is up to date.
    int toDocPosition(int pos) const;
    int fromDocPosition(int docPos) const;

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

protected:
    void replaceSelectionStyled(const StyledText& content) override;

private:
    // Every edit runs as one; the widget is brought up to date when the
    // outermost one ends.
    class Operation {
    public:
        explicit Operation(QtRichTextControl& c) : m_c(c) { ++m_c.m_depth; }
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        QtRichTextControl& m_c;
    };

    void replaceRange(int start, int length, const StyledText& content);
    void changed(const LineSplice& splice);
    void show();
    void showLines();
    void showSelection();
    void onContentsChange(int pos, int removed, int added);
    void onCursorMoved();
    QTextBlock blockNumber(int line) const;
    StyledText blockContent(const QTextBlock& block) const;
    int snapped(int pos) const;

    QPlainTextEdit* m_editor;
    LineStore m_store;
    // What the widget's document holds, line by line, and which lines of
    // the store have changed since.
    ChunkedVector<LinePtr> m_shown;
    ChangedLines m_unshown;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_selectionUnshown = false;
    int m_depth = 0;
    int m_programmatic = 0;
    int m_blockCount = 1;
    mutable std::optional<QString> m_text; // the whole text, built when asked for
    QString m_fontName = QStringLiteral("Lucida Console");
    int m_rightMargin = 0;
    mutable QTextBlock m_lastBlock;
    mutable int m_lastBlockNumber = -1;
    ShowProgress m_showProgress;
};
