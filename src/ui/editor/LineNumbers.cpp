// The line-number gutter of the script editor.
#include "ui/editor/ModEditor.h"

#include <QPainter>
#include <QTextBlock>

namespace Quillwright {

namespace {
class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(ModEditor* editor) : QWidget(editor), m_editor(editor)
    {
        setObjectName(QStringLiteral("lineNumbers"));
        setAccessibleName(QObject::tr("Line numbers"));
    }
    QSize sizeHint() const override { return {m_editor->lineNumberWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { m_editor->paintLineNumbers(event); }

private:
    ModEditor* m_editor;
};

int digitsOf(int n)
{
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

// Any change of the gutter's width lays out every line again; below this
// many lines that is quick enough to narrow it when lines go.
constexpr int NarrowBelow = 10000;
} // namespace

void ModEditor::makeLineNumbers()
{
    m_lineNumbers = new LineNumberGutter(this);
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this](int blocks) {
        // The width follows the number of digits, not every new line.
        if (const int digits = lineNumberDigits(blocks); digits != m_lineNumberDigits)
            placeLineNumbers(digits);
    });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            m_lineNumbers->scroll(0, dy);
        else
            m_lineNumbers->update(0, rect.y(), m_lineNumbers->width(), rect.height());
    });
    // The caret's line number is drawn emphasised.
    connect(this, &QPlainTextEdit::cursorPositionChanged, m_lineNumbers,
            qOverload<>(&QWidget::update));
    placeLineNumbers(lineNumberDigits(blockCount()));
}

int ModEditor::lineNumberDigits(int blocks) const
{
    const int digits = std::max(digitsOf(std::max(blocks, m_reservedLines)), 2);
    return blocks < NarrowBelow ? digits : std::max(digits, m_lineNumberDigits);
}

void ModEditor::reserveLineNumbers(int lines)
{
    m_reservedLines = lines;
    if (const int digits = lineNumberDigits(blockCount()); digits > m_lineNumberDigits)
        placeLineNumbers(digits);
}

int ModEditor::lineNumberWidth() const
{
    return 8 + fontMetrics().horizontalAdvance(u'9') * m_lineNumberDigits;
}

void ModEditor::placeLineNumbers(int digits)
{
    m_lineNumberDigits = digits;
    const int width = lineNumberWidth();
    setViewportMargins(width, 0, 0, 0);
    const QRect r = contentsRect();
    m_lineNumbers->setGeometry(r.left(), r.top(), width, r.height());
}

void ModEditor::resizeEvent(QResizeEvent* e)
{
    QPlainTextEdit::resizeEvent(e);
    placeLineNumbers(m_lineNumberDigits);
}

void ModEditor::paintLineNumbers(QPaintEvent* event)
{
    QPainter p(m_lineNumbers);
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    const int current = textCursor().blockNumber();
    QFont bold = font();
    bold.setBold(true);
    // The disabled text colour is too faint to read (1.6:1 on the default
    // palette): a mix of two parts text to one part background keeps 4.5:1.
    const QColor text = palette().color(QPalette::WindowText);
    const QColor ground = palette().color(QPalette::Window);
    const QColor dim((2 * text.red() + ground.red()) / 3, (2 * text.green() + ground.green()) / 3,
                     (2 * text.blue() + ground.blue()) / 3);
    const QColor strong = palette().color(QPalette::WindowText);
    const int width = m_lineNumbers->width() - 4;
    const int lineHeight = fontMetrics().height();
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            const bool isCurrent = block.blockNumber() == current;
            p.setFont(isCurrent ? bold : font());
            p.setPen(isCurrent ? strong : dim);
            p.drawText(0, int(top), width, lineHeight, Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(block.blockNumber() + 1));
        }
        top += height;
        block = block.next();
    }
}

std::pair<int, int> ModEditor::visibleLines() const
{
    QTextBlock block = firstVisibleBlock();
    const int first = block.blockNumber();
    int last = first;
    const qreal bottom = viewport()->height();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= bottom) {
        last = block.blockNumber();
        top += blockBoundingRect(block).height();
        block = block.next();
    }
    return {first, last};
}

} // namespace Quillwright
