#include "ui/checker/DocumentChecks.h"

#include "core/checker/ScriptChecker.h"
#include "ui/document/EditorMarks.h"
#include "ui/editor/ModEditor.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/PlainToolTip.h"

#include <QHelpEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

namespace Quillwright {

namespace {
// More underlines than this say nothing more and cost every repaint.
constexpr size_t UnderlineLimit = 2000;
// Each underline is a cursor that the widget moves on every insertion or
// removal, so only the findings near the view are underlined: thousands of
// them would make a paste into a big script crawl. This many lines above and
// below the view are underlined too, so scrolling seldom has to mark again.
constexpr int UnderlineMargin = 150;
} // namespace

DocumentChecks::DocumentChecks(QtRichTextControl& control, ModEditor& editor, EditorMarks& marks,
                               std::function<TextEncoding()> encoding, QObject* parent)
    : QObject(parent), m_control(control), m_editor(editor), m_marks(marks),
      m_encoding(std::move(encoding)), m_timer(new QTimer(this))
{
    // The checker waits for the pause: a timer's restart is all a key pays.
    m_timer->setSingleShot(true);
    m_timer->setInterval(CheckPause);
    connect(&control, &RichTextControl::changed, m_timer, qOverload<>(&QTimer::start));
    connect(m_timer, &QTimer::timeout, this, [this] {
        // A script being opened is checked once the editor holds it all: a
        // check in the middle would run beside the load's own copies (and
        // the more so the busier the machine), and would underline lines
        // the editor has not yet taken.
        if (m_control.mirror().isShowing())
            m_timer->start();
        else
            checkNow();
    });
    connect(&control, &RichTextControl::changed, this, [this] { m_current = false; });
    connect(editor.verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DocumentChecks::underlineFindingsInView);
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this,
            &DocumentChecks::showCaretFinding);
    editor.viewport()->installEventFilter(this);
    // For a finding where the menu was asked for, the choice not to be told
    // of its kind again.
    connect(&editor, &ModEditor::contextMenuShowing, this, [this](QMenu* menu, const QPoint& at) {
        const QString rule = ruleAt(at);
        if (rule.isEmpty())
            return;
        menu->addSeparator();
        QAction* ignore = menu->addAction(tr("Don't Report This Kind of Problem (%1)").arg(rule));
        connect(ignore, &QAction::triggered, this,
                [this, rule] { emit ignoreRuleRequested(rule); });
    });
}

void DocumentChecks::setForumFolder(const QString& folder)
{
    m_forumFolder = folder;
    checkNow();
}

void DocumentChecks::setIgnoredRules(const QStringList& rules)
{
    m_ignoredRules = rules;
    checkNow();
}

QString DocumentChecks::ruleAtCaret() const
{
    const int caret = m_control.selStart();
    const int line = m_control.lineAt(caret);
    const std::vector<const Checker::Finding*> here =
        findingsAtPlace(line + 1, caret - m_control.lineStart(line) + 1);
    return here.empty() ? QString() : here.front()->rule;
}

std::vector<const Checker::Finding*> DocumentChecks::findingsAtPlace(int line, int column) const
{
    // The findings are in line order: the caret's line is looked up, not walked to.
    std::vector<const Checker::Finding*> out;
    auto f = std::partition_point(m_findings.begin(), m_findings.end(),
                                  [line](const Checker::Finding& x) { return x.line < line; });
    for (; f != m_findings.end() && f->line == line; ++f)
        if (f->length == 0 || (column >= f->column && column <= f->column + f->length))
            out.push_back(&*f);
    return out;
}

void DocumentChecks::showCaretFinding()
{
    QString message;
    if (m_current) {
        const int caret = m_control.selStart();
        const int line = m_control.lineAt(caret);
        const auto here = findingsAtPlace(line + 1, caret - m_control.lineStart(line) + 1);
        if (!here.empty()) {
            const Checker::Finding& f = *here.front();
            const QString severity = f.severity == Checker::Severity::Error     ? tr("Error")
                                     : f.severity == Checker::Severity::Warning ? tr("Warning")
                                                                                : tr("Note");
            message = tr("%1: %2").arg(severity, f.message);
        }
    }
    if (message == m_caretFinding)
        return;
    m_caretFinding = message;
    emit caretFindingChanged();
}

void DocumentChecks::checkNow()
{
    m_timer->stop();
    const LineStore lines = m_control.lineSnapshot();
    std::vector<Checker::Finding> found = Checker::checkScript(lines, m_encoding());
    if (!m_forumFolder.isEmpty()) {
        std::vector<QStringView> views;
        views.reserve(size_t(lines.lineCount()));
        lines.lines().forEach([&views](const LinePtr& l) { views.emplace_back(l->text); });
        // Read afresh each time: the forum's files may change while the script is written.
        const std::vector<Checker::Finding> tried =
            Checker::dryRun(views, Checker::forumFolder(m_forumFolder));
        found.insert(found.end(), tried.begin(), tried.end());
        Checker::sortFindings(found);
    }
    found.erase(std::remove_if(
                    found.begin(), found.end(),
                    [this](const Checker::Finding& f) { return m_ignoredRules.contains(f.rule); }),
                found.end());
    m_findings = std::move(found);
    m_current = true;
    underlineFindings();
    showCaretFinding();
    emit findingsChanged();
}

void DocumentChecks::underlineFindings()
{
    const auto [first, last] = m_editor.visibleLines();
    m_underlined = {std::max(0, first - UnderlineMargin), last + UnderlineMargin};
    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument* doc = m_editor.document();
    // Findings come in line order: the first one in reach is looked up, and
    // the blocks from there are walked once.
    auto f = std::partition_point(m_findings.begin(), m_findings.end(),
                                  [&](const auto& x) { return x.line - 1 < m_underlined.first; });
    QTextBlock block = doc->findBlockByNumber(m_underlined.first);
    int blockLine = m_underlined.first;
    for (; f != m_findings.end() && f->line - 1 <= m_underlined.second &&
           size_t(marks.size()) < UnderlineLimit;
         ++f) {
        if (f->line - 1 < blockLine)
            block = doc->findBlockByNumber(f->line - 1);
        else
            while (block.isValid() && blockLine < f->line - 1) {
                block = block.next();
                ++blockLine;
            }
        blockLine = f->line - 1;
        if (!block.isValid())
            break;
        const int length = block.length() - 1;
        // A finding about a whole line (a missing field) marks the line's text.
        int start = f->length > 0 ? std::min(f->column - 1, length) : 0;
        int end = f->length > 0 ? std::min(start + f->length, length) : length;
        if (end <= start)
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(block);
        mark.cursor.setPosition(block.position() + start);
        mark.cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
        // Errors wave, warnings and notes dot: a cue that is not colour alone.
        mark.format.setUnderlineStyle(f->severity == Checker::Severity::Error
                                          ? QTextCharFormat::WaveUnderline
                                          : QTextCharFormat::DotLine);
        mark.format.setUnderlineColor(f->severity == Checker::Severity::Error ? QColor(0xd0, 0, 0)
                                      : f->severity == Checker::Severity::Warning
                                          ? QColor(176, 96, 0) // 4.6:1 on white, as text needs
                                          : QColor(0, 0x70, 0xd0));
        marks << mark;
    }
    m_marks.setCheckMarks(std::move(marks));
}

void DocumentChecks::underlineFindingsInView()
{
    // After a change the findings' lines may be out of date until the next
    // check, which is at most a pause away and marks the view again.
    if (!m_current)
        return;
    const auto [first, last] = m_editor.visibleLines();
    if (first < m_underlined.first || last > m_underlined.second)
        underlineFindings();
}

QString DocumentChecks::findingsAt(const QPoint& viewportPos) const
{
    const QTextCursor c = m_editor.cursorForPosition(viewportPos);
    QStringList messages;
    for (const Checker::Finding* f : findingsAtPlace(c.blockNumber() + 1, c.positionInBlock() + 1))
        messages << f->message + QStringLiteral(" [") + f->rule + u']';
    return messages.join(QLatin1Char('\n'));
}

QString DocumentChecks::ruleAt(const QPoint& viewportPos) const
{
    const QTextCursor c = m_editor.cursorForPosition(viewportPos);
    const std::vector<const Checker::Finding*> here =
        findingsAtPlace(c.blockNumber() + 1, c.positionInBlock() + 1);
    return here.empty() ? QString() : here.front()->rule;
}

void DocumentChecks::goToFinding(int direction)
{
    if (m_findings.empty())
        return;
    const int caret = m_control.selStart();
    const int line = m_control.lineAt(caret) + 1;
    const int column = caret - m_control.lineStart(line - 1) + 1;
    const auto position = [](const Checker::Finding& f) { return std::pair{f.line, f.column}; };
    const std::pair here{line, column};
    const Checker::Finding* target = nullptr;
    if (direction > 0) {
        for (const Checker::Finding& f : m_findings)
            if (position(f) > here) {
                target = &f;
                break;
            }
        if (!target)
            target = &m_findings.front(); // round to the top
    } else {
        for (auto f = m_findings.rbegin(); f != m_findings.rend(); ++f)
            if (position(*f) < here) {
                target = &*f;
                break;
            }
        if (!target)
            target = &m_findings.back();
    }
    const int targetLine = std::min(target->line - 1, m_control.lineCount() - 1);
    const int start = m_control.lineStart(targetLine);
    const int lineLength = int(m_control.line(targetLine)->text.size());
    m_control.setSelStart(start + std::min(target->column - 1, lineLength));
    m_editor.ensureCursorVisible();
}

bool DocumentChecks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_editor.viewport())
        return false;
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        showPlainToolTip(help, findingsAt(help->pos()), m_editor.viewport());
        return true;
    }
    return false;
}

} // namespace Quillwright
