#pragma once

#include "core/control/RichTextControl.h"
#include "core/text/LineStore.h"
#include "ui/editor/EditorMirror.h"
#include "ui/editor/ModEditor.h"

#include <QPlainTextEdit>
#include <array>
#include <memory>
#include <optional>

namespace Quillwright {

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
    ~QtRichTextControl() override;

    QPlainTextEdit* editor() const { return m_editor; }
    // The widget's side: positions in its document, its progress while it
    // takes in a great many lines, printing what it shows.
    EditorMirror& mirror() const { return *m_mirror; }

    QString text() const override;
    int textLength() const override { return m_store.length(); }
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

protected:
    void replaceSelectionStyled(const StyledText& content) override;
    void fontChanged() override;

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
    // The widget edited its document on its own: the store takes it in.
    void takeWidgetEdit(int pos, int added);

    QPlainTextEdit* m_editor;
    LineStore m_store;
    std::unique_ptr<EditorMirror> m_mirror;
    // The lines of the store changed since the widget last showed them.
    ChangedLines m_unshown;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_selectionUnshown = false;
    int m_depth = 0;
    mutable std::optional<QString> m_text; // the whole text, built when asked for
    // The lines set last: a line set that reads alike is held once, so
    // that the change handler's colouring of every banner of a script (the
    // same few lines over and over) does not hold a line for each.
    struct RecentLines {
        std::array<LinePtr, 16> lines;
        size_t next = 0;
        LinePtr share(StyledText content);
    } m_recentLines;
};

} // namespace Quillwright
