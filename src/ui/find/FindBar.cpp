#include "ui/find/FindBar.h"

#include "core/script/ModFormat.h"
#include "core/settings/SettingsStore.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/CommandKeys.h"
#include "ui/platform/FlowLayout.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace Quillwright {

namespace {
// Counting stops here: a count is for the eye, and the matches are kept.
constexpr int CountLimit = 100000;

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
} // namespace

FindBar::FindBar(QtRichTextControl& control, QWidget* parent)
    : QWidget(parent), m_control(control), m_find(new QLineEdit(this)),
      m_replace(new QLineEdit(this)), m_replaceButton(new QPushButton(tr("Replace"), this)),
      m_replaceAllButton(new QPushButton(tr("Replace All"), this)),
      m_matchCase(new QCheckBox(tr("Match case"), this)),
      m_wholeWords(new QCheckBox(tr("Whole words"), this)),
      m_regularExpression(new QCheckBox(tr("Regex"), this)),
      m_inSelection(new QCheckBox(tr("In selection"), this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("findBar"));
    setAutoFillBackground(true);
    m_find->setObjectName(QStringLiteral("findField"));
    m_find->setPlaceholderText(tr("Find"));
    m_find->setAccessibleName(tr("Find"));
    m_find->setClearButtonEnabled(true);
    for (QToolButton* clear : m_find->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear"));
    m_replace->setObjectName(QStringLiteral("replaceField"));
    m_replace->setPlaceholderText(tr("Replace with"));
    m_replace->setAccessibleName(tr("Replace with"));
    m_replaceButton->setObjectName(QStringLiteral("replaceButton"));
    m_replaceButton->setToolTip(tr("Replace the match and find the next (Alt+R)"));
    m_replaceAllButton->setObjectName(QStringLiteral("replaceAllButton"));
    m_replaceAllButton->setToolTip(tr("Replace every match as one change (Alt+A)"));
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_wholeWords->setObjectName(QStringLiteral("wholeWords"));
    m_regularExpression->setObjectName(QStringLiteral("regularExpression"));
    m_regularExpression->setToolTip(tr("The text looked for is a regular expression; \\1 in the "
                                       "replacement stands for its first group"));
    m_inSelection->setObjectName(QStringLiteral("inSelection"));
    m_status->setObjectName(QStringLiteral("findStatus"));
    m_status->setTextFormat(Qt::PlainText);
    Accessibility::makeAnnouncer(m_status);
    auto* previous = new QPushButton(tr("Previous"), this);
    previous->setObjectName(QStringLiteral("findPrevious"));
    previous->setToolTip(tr("The match before (Shift+F3)"));
    auto* next = new QPushButton(tr("Next"), this);
    next->setObjectName(QStringLiteral("findNext"));
    next->setToolTip(tr("The next match (F3)"));
    auto* closeButton = new QToolButton(this);
    closeButton->setObjectName(QStringLiteral("findClose"));
    closeButton->setText(QStringLiteral("\u2715"));
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setToolTip(tr("Close the bar (Esc)"));
    closeButton->setAutoRaise(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{previous, next, m_replaceButton, m_replaceAllButton})
        w->setFocusPolicy(Qt::TabFocus);

    m_replaceLabel = buddyLabel(tr("Replace:"), m_replace, this);
    // Three rows, so the fields keep their room in a narrow window.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    grid->addWidget(buddyLabel(tr("Find:"), m_find, this), 0, 0);
    grid->addWidget(m_find, 0, 1);
    grid->addWidget(previous, 0, 2);
    grid->addWidget(next, 0, 3);
    grid->addWidget(closeButton, 0, 4);
    grid->addWidget(m_replaceLabel, 1, 0);
    grid->addWidget(m_replace, 1, 1);
    grid->addWidget(m_replaceButton, 1, 2);
    grid->addWidget(m_replaceAllButton, 1, 3, 1, 2);
    // The options and the count wrap to another row in a narrow window.
    auto* options = new FlowLayout;
    options->addWidget(m_matchCase);
    options->addWidget(m_wholeWords);
    options->addWidget(m_regularExpression);
    options->addWidget(m_inSelection);
    options->addWidget(m_status);
    grid->addLayout(options, 2, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_find, m_replace);

    for (QLineEdit* field : {m_find, m_replace}) {
        field->installEventFilter(this);
        field->installEventFilter(new AltKeysTypeNothing(field));
    }
    connect(m_find, &QLineEdit::textEdited, this, &FindBar::searchAsTyped);
    for (QCheckBox* box : {m_matchCase, m_wholeWords, m_regularExpression, m_inSelection})
        connect(box, &QCheckBox::toggled, this, [this] {
            forgetMatches();
            showCount();
        });
    connect(m_inSelection, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !m_selectionScope && m_control.selLength() > 0)
            m_selectionScope =
                TextRange{m_control.selStart(), m_control.selStart() + m_control.selLength()};
        if (!on)
            m_selectionScope.reset();
    });
    connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &FindBar::replace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);
    // Alive only while the focus is in the bar: every document has a bar.
    const auto key = [this](QKeySequence sequence, auto slot) {
        auto* s = new QShortcut(sequence, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    key(QKeySequence(Qt::ALT | Qt::Key_R), [this] { replace(); });
    key(QKeySequence(Qt::ALT | Qt::Key_A), [this] { replaceAll(); });
    key(QKeySequence(Qt::Key_Escape), [this] { close(); });
    m_recount = new QTimer(this);
    m_recount->setSingleShot(true);
    m_recount->setInterval(200);
    connect(m_recount, &QTimer::timeout, this, [this] {
        if (isVisible())
            showCount();
    });
    connect(&m_control, &RichTextControl::changed, m_recount, [this] {
        if (isVisible())
            m_recount->start();
    });
    hide();
}

SearchOptions FindBar::options() const
{
    return {m_matchCase->isChecked(), m_wholeWords->isChecked(), m_regularExpression->isChecked()};
}

void FindBar::setOptions(SearchOptions options, bool inSelection)
{
    m_matchCase->setChecked(options.matchCase);
    m_wholeWords->setChecked(options.wholeWords);
    m_regularExpression->setChecked(options.regularExpression);
    m_inSelection->setChecked(inSelection);
}

TextSearch FindBar::search() const
{
    return TextSearch(m_find->text(), options());
}

TextRange FindBar::scope() const
{
    const int length = m_control.textLength();
    if (m_inSelection->isChecked() && m_selectionScope)
        return {std::min(m_selectionScope->start, length), std::min(m_selectionScope->end, length)};
    return {0, length};
}

FindBar::MatchesKey FindBar::matchesKey() const
{
    const SearchOptions o = options();
    const TextRange r = scope();
    return {m_control.revision(), m_find->text(), o.matchCase, o.wholeWords,
            o.regularExpression,  r.start,        r.end};
}

const std::vector<TextMatch>& FindBar::matches()
{
    const MatchesKey key = matchesKey();
    if (m_matchesFor != key) {
        const TextSearch s = search();
        m_matches = s.all(m_control.lineSnapshot(), scope(), CountLimit);
        m_matchesGaveUp = s.gaveUp();
        m_matchesCapped = int(m_matches.size()) == CountLimit;
        m_matchesFor = key;
    }
    return m_matches;
}

void FindBar::open(Mode mode)
{
    const bool replacing = mode == Mode::Replace;
    m_replaceLabel->setVisible(replacing);
    m_replace->setVisible(replacing);
    m_replaceButton->setVisible(replacing);
    m_replaceAllButton->setVisible(replacing);
    const QString selected = m_control.selText();
    if (!selected.isEmpty() && !selected.contains(u'\n')) {
        m_find->setText(selected);
        m_inSelection->setChecked(false);
    } else if (selected.contains(u'\n')) {
        m_selectionScope =
            TextRange{m_control.selStart(), m_control.selStart() + m_control.selLength()};
        m_inSelection->setChecked(true);
    }
    m_typedFrom = m_control.selStart();
    forgetMatches();
    show();
    emit visibilityChanged();
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
    showCount();
}

std::vector<TextMatch> FindBar::matchesIn(int from, int to)
{
    std::vector<TextMatch> out;
    if (isHidden() || m_find->text().isEmpty() || !search().isValid())
        return out;
    const std::vector<TextMatch>& all = matches();
    auto it = std::lower_bound(all.begin(), all.end(), from,
                               [](const TextMatch& m, int pos) { return m.start < pos; });
    for (; it != all.end() && it->start < to; ++it)
        out.push_back(*it);
    return out;
}

void FindBar::close()
{
    hide();
    // The match stays where the caret is, but not selected: the next Tab
    // or letter would otherwise replace it.
    if (m_control.selLength() > 0)
        m_control.setSelStart(m_control.selStart() + m_control.selLength());
    m_selectionScope.reset();
    m_inSelection->setChecked(false);
    emit visibilityChanged();
    emit matchesChanged();
    m_control.editor()->setFocus(Qt::OtherFocusReason);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Down (or Alt+Down) offers the entries used before, as a combo box would.
        if (key->key() == Qt::Key_Down &&
            (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::AltModifier)) {
            auto* field = static_cast<QLineEdit*>(watched);
            if (field == m_find)
                m_findHistory.offer(field, [this] { searchAsTyped(); });
            else
                m_replaceHistory.offer(field, [] {});
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_findHistory.remember(m_find->text());
            if (watched == m_replace)
                replace();
            else if (key->modifiers() & Qt::ShiftModifier)
                findPrevious();
            else
                findNext();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool FindBar::focusNextPrevChild(bool next)
{
    // The next control that Tab would reach: outside the bar, it is the
    // script with the match still selected, where the next Tab or letter
    // would replace a match the user may not know is selected.
    QWidget* from = focusWidget();
    QWidget* to = from;
    while (from && (to = next ? to->nextInFocusChain() : to->previousInFocusChain()) != from)
        if ((to->focusPolicy() & Qt::TabFocus) && to->isVisible() && to->isEnabled())
            break;
    if (from && to != from && !isAncestorOf(to)) {
        close();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void FindBar::select(TextMatch match)
{
    m_control.setSelStart(match.start);
    m_control.setSelLength(match.length);
    m_control.editor()->ensureCursorVisible();
}

bool FindBar::step(bool forward, bool fromSelectionStart)
{
    const TextSearch s = search();
    if (!s.isValid()) {
        showCount();
        return false;
    }
    const std::vector<TextMatch>& all = matches();
    const TextRange range = scope();
    const int selStart = m_control.selStart();
    const int from = fromSelectionStart ? selStart : selStart + m_control.selLength();
    TextMatch found;
    QString notice;
    const auto byStart = [](const TextMatch& m, int pos) { return m.start < pos; };
    if (forward) {
        auto it = std::lower_bound(all.begin(), all.end(), from, byStart);
        // An empty match is a place: from the one selected, the next is the one after.
        if (!fromSelectionStart && it != all.end() && it->length == 0 &&
            *it == TextMatch{selStart, m_control.selLength()})
            ++it;
        if (it == all.end() && m_matchesCapped) {
            found = s.next(m_control.lineSnapshot(), from, range);
        } else if (it != all.end()) {
            found = *it;
        }
        if (!found.found() && !all.empty()) {
            found = all.front();
            notice = tr("Continued from the top");
        }
    } else {
        auto it = std::lower_bound(all.begin(), all.end(), selStart, byStart);
        if (it != all.begin()) {
            found = *std::prev(it);
        } else if (!all.empty()) {
            found = m_matchesCapped ? s.previous(m_control.lineSnapshot(), range.end, range)
                                    : all.back();
            notice = tr("Continued from the bottom");
        }
    }
    if (!found.found()) {
        showCount();
        return false;
    }
    select(found);
    showCount(notice);
    return true;
}

bool FindBar::findNext()
{
    return step(true, false);
}

bool FindBar::findPrevious()
{
    return step(false, false);
}

void FindBar::searchAsTyped()
{
    forgetMatches();
    if (m_find->text().isEmpty()) {
        m_control.setSelStart(m_typedFrom);
        showCount();
        return;
    }
    // Each letter typed looks again from where the search began, so the
    // match grows with the text instead of running ahead.
    m_control.setSelStart(m_typedFrom);
    step(true, true);
}

bool FindBar::replace()
{
    if (m_replace->isHidden())
        return false;
    const TextSearch s = search();
    if (!s.isValid())
        return false;
    const LineStore lines = m_control.lineSnapshot();
    const TextMatch selected{m_control.selStart(), m_control.selLength()};
    if (s.next(lines, selected.start, scope()) == selected) {
        const QString with = s.replacement(lines, selected, m_replace->text());
        const int grown = int(with.size()) - selected.length;
        m_replaceHistory.remember(m_replace->text());
        emit aboutToReplace();
        m_control.setSelText(with);
        emit replaced();
        if (m_selectionScope)
            m_selectionScope->end += grown;
    }
    return findNext();
}

int FindBar::replaceAll()
{
    if (m_replace->isHidden())
        return 0;
    const TextSearch s = search();
    if (!s.isValid())
        return 0;
    const TextRange range = scope();
    const LineStore before = m_control.lineSnapshot();
    TextSearch::Replaced r = s.replaceAll(before, range, m_replace->text());
    if (r.count == 0 || s.gaveUp()) { // never a part of "all" as if it were all
        showCount();
        return 0;
    }
    // One rule for the length of a line, whatever edit makes it: the
    // control's, which says why when it refuses.
    if (!m_control.acceptsLines(r.lines))
        return 0;
    const int grown = r.lines.length() - before.length();
    m_findHistory.remember(m_find->text());
    m_replaceHistory.remember(m_replace->text());
    emit aboutToReplace();
    m_control.setLines(r.lines); // one edit: one run of the change handling, one undo level
    emit replaced();
    const int caret = std::min(r.last.start, m_control.textLength());
    m_control.setSelStart(caret);
    m_control.editor()->ensureCursorVisible();
    if (m_selectionScope)
        m_selectionScope->end += grown;
    forgetMatches();
    showCount(tr("%n replaced", nullptr, r.count));
    return r.count;
}

void FindBar::showCount(const QString& notice)
{
    QPalette p = m_find->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Base));
    const TextSearch s = search();
    QString text;
    if (m_find->text().isEmpty()) {
        text.clear();
    } else if (!s.isValid()) {
        text = tr("Not a regular expression: %1").arg(s.error());
    } else {
        const std::vector<TextMatch>& all = matches();
        const QString total =
            m_matchesCapped ? QString::number(CountLimit) + u'+' : QString::number(all.size());
        const TextMatch selected{m_control.selStart(), m_control.selLength()};
        const auto it = std::lower_bound(all.begin(), all.end(), selected.start,
                                         [](const TextMatch& m, int pos) { return m.start < pos; });
        if (m_matchesGaveUp) {
            // What was found is not all there is: neither a count nor "Not found".
            text = tr("The pattern is too complex for this text.");
            p.setColor(QPalette::Base, QColor(0xff, 0xdd, 0xdd));
        } else if (all.empty() && !notice.isEmpty()) {
            text.clear(); // "3 replaced" says it all: no match is left, as meant
        } else if (all.empty()) {
            text = tr("Not found");
            // The field says so too, as text editors colour it.
            p.setColor(QPalette::Base, QColor(0xff, 0xdd, 0xdd));
        } else if (it != all.end() && *it == selected) {
            text = tr("%1 of %2").arg(int(it - all.begin()) + 1).arg(total);
        } else if (m_matchesCapped) {
            text = tr("%1 matches").arg(total);
        } else {
            const int n = int(all.size());
            text = n == 1 ? tr("%n match", nullptr, n) : tr("%n matches", nullptr, n);
        }
    }
    m_find->setPalette(p);
    Accessibility::announce(m_status, notice.isEmpty() || text.isEmpty()
                                          ? notice + text
                                          : notice + QStringLiteral(" \u2014 ") + text);
    emit matchesChanged();
}

} // namespace Quillwright
