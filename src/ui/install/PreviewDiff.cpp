#include "ui/install/PreviewDiff.h"

#include <QScrollBar>
#include <QTextBlock>

namespace Quillwright {

namespace {

QString number(int n)
{
    return n > 0 ? QString::number(n).rightJustified(5) : QString(5, u' ');
}

} // namespace

PreviewDiff::PreviewDiff(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Read only, but with a caret: the keys move it a line or a page at a
    // time, and assistive technology reads the line it reaches.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    setFont(fixed);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &PreviewDiff::describeCaretLine);
}

void PreviewDiff::showRows(const QString& path, const std::vector<Install::DiffRow>& rows)
{
    QStringList text;
    for (const Install::DiffRow& r : rows) {
        switch (r.kind) {
        case Install::DiffRow::Hunk:
            text << tr("@@ from line %1 @@").arg(r.oldLine);
            break;
        case Install::DiffRow::Same:
            text << number(r.oldLine) + u' ' + number(r.newLine) + QStringLiteral("   ") + r.text;
            break;
        case Install::DiffRow::Gone:
            text << number(r.oldLine) + u' ' + number(0) + QStringLiteral(" - ") + r.text;
            break;
        case Install::DiffRow::Added:
            text << number(0) + u' ' + number(r.newLine) + QStringLiteral(" + ") + r.text;
            break;
        }
    }
    m_rows = rows;
    showText(path, text.join(u'\n'));
}

void PreviewDiff::showNote(const QString& path, const QString& note)
{
    m_rows.clear();
    showText(path, note);
}

void PreviewDiff::showText(const QString& path, const QString& text)
{
    const bool sameFile = path == m_path;
    if (sameFile && text == toPlainText())
        return; // nothing a reader would see changes: no event, no lost place
    m_path = path;
    const int line = sameFile ? textCursor().blockNumber() : 0;
    const int top = sameFile ? verticalScrollBar()->value() : 0;
    const int left = sameFile ? horizontalScrollBar()->value() : 0;
    setPlainText(text);
    colourRows();
    QTextCursor caret(document()->findBlockByNumber(std::min(line, blockCount() - 1)));
    setTextCursor(caret);
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
    describeCaretLine();
}

void PreviewDiff::colourRows()
{
    // Added lines green, removed red, each stretch's head blue: whole lines,
    // as diff tools show them.
    QList<QTextEdit::ExtraSelection> marks;
    QTextBlock block = document()->begin();
    for (const Install::DiffRow& r : m_rows) {
        if (r.kind != Install::DiffRow::Same) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(block);
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            mark.format.setBackground(r.kind == Install::DiffRow::Added ? QColor(0xdd, 0xf4, 0xdd)
                                      : r.kind == Install::DiffRow::Gone
                                          ? QColor(0xfb, 0xdd, 0xdd)
                                          : QColor(0xe0, 0xe8, 0xf8));
            mark.format.setForeground(palette().color(QPalette::Text));
            marks << mark;
        }
        block = block.next();
    }
    setExtraSelections(marks);
}

void PreviewDiff::describeCaretLine()
{
    const int line = textCursor().blockNumber();
    if (line < 0 || line >= int(m_rows.size())) {
        setAccessibleDescription(QString());
        return;
    }
    const Install::DiffRow& r = m_rows[size_t(line)];
    switch (r.kind) {
    case Install::DiffRow::Hunk:
        setAccessibleDescription(tr("Changes from line %1").arg(r.oldLine));
        break;
    case Install::DiffRow::Same:
        setAccessibleDescription(
            tr("Unchanged, line %1, line %2 once installed").arg(r.oldLine).arg(r.newLine));
        break;
    case Install::DiffRow::Gone:
        setAccessibleDescription(tr("Removed, line %1").arg(r.oldLine));
        break;
    case Install::DiffRow::Added:
        setAccessibleDescription(tr("Added, line %1 once installed").arg(r.newLine));
        break;
    }
}

} // namespace Quillwright
