#include "ui/document/ScriptDescription.h"

#include "core/control/RichTextControl.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/editor/ModEditor.h"

#include <QEvent>
#include <QStringList>

namespace Quillwright {

namespace {
// A selection longer than this is told by its start: the rest is in the text.
constexpr int QuotedLength = 60;
} // namespace

ScriptDescription::ScriptDescription(ModEditor& editor, const RichTextControl& control,
                                     const DocumentChecks& checks)
    : QObject(&editor), m_editor(editor), m_control(control), m_checks(checks)
{
    editor.installEventFilter(this);
    const auto selectionMoved = [this] {
        if (!m_selection.isEmpty() &&
            (m_control.selStart() != m_selStart || m_control.selLength() != m_selLength)) {
            m_selection.clear();
            update();
        }
    };
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, selectionMoved);
    connect(&editor, &QPlainTextEdit::selectionChanged, this, selectionMoved);
    connect(&checks, &DocumentChecks::caretFindingChanged, this, &ScriptDescription::update);
}

QString ScriptDescription::selectionWords(const RichTextControl& control)
{
    const int length = control.selLength();
    if (length == 0)
        return tr("nothing selected");
    const int start = control.selStart();
    const int firstLine = control.lineAt(start);
    const int lastLine = control.lineAt(start + length);
    // Only the selection's first line is read: a whole script may be selected.
    if (lastLine > firstLine) {
        const int lines = lastLine - firstLine + (start + length > control.lineStart(lastLine));
        return lines == 1 ? tr("%n line selected", nullptr, lines)
                          : tr("%n lines selected", nullptr, lines);
    }
    QString quoted =
        control.line(firstLine)->text.mid(start - control.lineStart(firstLine), length);
    if (quoted.size() > QuotedLength)
        quoted = quoted.left(QuotedLength) + QStringLiteral("\u2026");
    return tr("\u201c%1\u201d selected").arg(quoted);
}

bool ScriptDescription::eventFilter(QObject* watched, QEvent* event)
{
    // Set before Qt tells the focus, which it does after this event.
    if (watched == &m_editor && event->type() == QEvent::FocusIn) {
        m_selection = selectionWords(m_control);
        m_selStart = m_control.selStart();
        m_selLength = m_control.selLength();
        update();
    }
    return QObject::eventFilter(watched, event);
}

void ScriptDescription::update()
{
    QStringList parts;
    for (const QString& part : {m_selection, m_checks.caretFinding()})
        if (!part.isEmpty())
            parts << part;
    const QString description = parts.join(QStringLiteral(". "));
    if (m_editor.accessibleDescription() != description)
        m_editor.setAccessibleDescription(description);
}

} // namespace Quillwright
