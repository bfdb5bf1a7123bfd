#pragma once

#include "core/control/ControlRules.h"
#include "core/text/LineSplice.h"
#include "core/text/LineStore.h"
#include "core/text/StyledText.h"
#include "core/text/TextColor.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace Quillwright {

// What the program asks of the editor that holds a script. Positions are
// 0-based indexes into the plain text, in which every line break is CR LF;
// a position between CR and LF acts as the position of the CR.
//
// Two implementations keep each other honest: an in-memory one (the
// reference, used by every logic test) and one over the editor widget.
class RichTextControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~RichTextControl() override;

    virtual QString text() const = 0;
    virtual int textLength() const = 0;
    void setText(const QString& text) { setStyledText(StyledText{text, {}}); }

    // The content as RTF in the control's font.
    QString rtf() const;
    void setRtf(const QString& rtf); // not RTF: shown as plain text
    virtual StyledText styledText() const = 0;
    virtual void setStyledText(const StyledText& content) = 0;

    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    // Puts the caret at `start`: the selection collapses.
    virtual void setSelStart(int start) = 0;
    virtual void setSelLength(int length) = 0;

    virtual QString selText() const = 0;
    // Replaces the selection (inserts at the caret) and leaves the caret
    // after the inserted text. Inserted text takes the colour of the
    // character before it on the same line, the default at a line start.
    virtual void setSelText(const QString& text) = 0;
    virtual QString selRtf() const = 0;
    // RTF replaces the selection with its colours, anything else as text.
    void setSelRtf(const QString& rtf);

    // The colour of the selection; TextColor::mixed() when it holds more
    // than one. Line breaks carry no colour and are not counted.
    virtual TextColor selColor() const = 0;
    virtual void setSelColor(TextColor color) = 0;

    // Case-insensitive, matches inside words. With a start: from there to
    // the end. Without: the selection when there is one, else everything.
    // Selects the match and returns its start, or returns -1 and leaves the
    // selection alone.
    virtual int find(const QString& needle, std::optional<int> start = std::nullopt) = 0;

    // Lines are the text between CR LFs; there is always at least one.
    // The base versions go through the whole text; a control over a big
    // document answers them from its own line structure.
    virtual int lineCount() const;
    virtual int lineStart(int line) const;
    virtual int lineAt(int pos) const;
    // A line's text and colours, without its line break.
    virtual LinePtr line(int line) const;
    // Replaces a line's text and colours (not its line break).
    virtual void setLine(int line, const StyledText& content);
    // The whole content as shared lines: a control that keeps its lines in
    // a store hands out a copy that costs a pointer a chunk of lines, safe
    // to read on another thread.
    virtual LineStore lineSnapshot() const;
    // Puts back the content of such a snapshot, caret at the start: a
    // control over a store changes only the lines that differ.
    virtual void setLines(const LineStore& lines);

    // The rules the script layer gives the control (the line limit, files).
    void setRules(ControlRules rules) { m_rules = std::move(rules); }
    const ControlRules& rules() const { return m_rules; }

    // A script shown, not edited (one inside a MOD package's archive):
    // every edit is refused, editRefused() giving `reason`; the program's
    // own writes that keep the text (colours, the load) still go through.
    // An empty reason makes it editable again.
    void setReadOnly(const QString& reason) { m_readOnly = reason; }
    bool isReadOnly() const { return !m_readOnly.isEmpty(); }
    // Whether the text may be edited at all; when not, editRefused() says why.
    bool acceptsEdits();

    // Replacing [start, start + length) by `insert` (CR LF breaks): true
    // when the control is not read-only (or the selection is replaced by
    // itself), no line it makes passes the limit of the rules, or none it
    // makes is longer than the lines it replaces; otherwise editRefused()
    // says why.
    bool acceptsReplacement(int start, int length, const QString& insert);
    // The same rule for lines that are to take the place of the text's
    // (Replace All): a line longer than the limit and than the line it
    // replaces is refused, and so is any in a read-only control;
    // editRefused() says why.
    bool acceptsLines(const LineStore& lines);

    // Every change of the content since the last call, notified or not,
    // for keeping per-line information in step.
    LineChanges takeLineChanges();

    QString fontName() const { return m_fontName; }
    void setFontName(const QString& name);
    int rightMargin() const { return m_rightMargin; } // twips
    void setRightMargin(int twips) { m_rightMargin = twips; }

    // A file beginning with "{\rtf" is read as RTF, anything else as
    // Windows-1252 text. On failure the content stays and *error says why.
    bool loadFile(const QString& path, QString* error = nullptr);
    // Plain text, CR LF, Windows-1252, replacing the file atomically.
    bool saveFile(const QString& path, QString* error = nullptr) const;

    // Notifications for the program's own writes can be switched off, so a
    // change handler can write to the control without running itself again.
    bool notificationsBlocked() const { return m_blocked > 0; }
    // Counts every change of the content, notified or not.
    quint64 revision() const { return m_revision; }
    void blockNotifications()
    {
        if (m_blocked++ == 0)
            batchBegan();
    }
    void unblockNotifications()
    {
        if (--m_blocked == 0)
            batchEnded();
    }

signals:
    void changed();
    // An edit was not made: the control is read-only, or it would have made
    // a line longer than a script may have (typing, paste, drop, the header
    // dialog, the builder).
    void editRefused(const QString& reason);

protected:
    friend class ChangeBatch;
    // A widget control keeps its view still while a handler writes to it.
    virtual void batchBegan() {}
    virtual void batchEnded() {}
    // A widget control shows the text in the new font.
    virtual void fontChanged() {}
    // The selection becomes `content`, already accepted by the line rules.
    virtual void replaceSelectionStyled(const StyledText& content) = 0;
    void notifyChanged()
    {
        ++m_revision;
        if (m_blocked == 0)
            emit changed();
    }
    void recordLineSplice(int line, int removed, int added);
    void recordEverythingChanged();
    // Moves a position that falls between CR and LF back onto the CR.
    static int snapPosition(const QString& text, int pos);

private:
    int m_blocked = 0;
    quint64 m_revision = 0;
    LineChanges m_lineChanges;
    ControlRules m_rules;
    QString m_readOnly; // why edits are refused; empty: editable
    QString m_fontName = QStringLiteral("Lucida Console");
    int m_rightMargin = 0;
};

// Edits made while a batch is open reach the listeners as one change, when
// the outermost batch ends: a drag that moves text is one edit to undo and
// one run of the change handler.
class ChangeBatch {
public:
    explicit ChangeBatch(RichTextControl& c) : m_control(c), m_revision(c.revision())
    {
        c.blockNotifications();
    }
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

private:
    RichTextControl& m_control;
    quint64 m_revision;
};

class NotificationBlocker {
public:
    explicit NotificationBlocker(RichTextControl& c) : m_control(c) { c.blockNotifications(); }
    ~NotificationBlocker() { m_control.unblockNotifications(); }
    NotificationBlocker(const NotificationBlocker&) = delete;
    NotificationBlocker& operator=(const NotificationBlocker&) = delete;

private:
    RichTextControl& m_control;
};

} // namespace Quillwright
