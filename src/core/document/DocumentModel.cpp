#include "core/document/DocumentModel.h"
#include "core/script/ScriptFile.h"

#include "core/colouring/KeywordColouring.h"
#include "core/colouring/LineByLineColouring.h"
#include "core/control/RichTextControl.h"
#include "core/rtf/Rtf.h"
#include "core/script/ModFormat.h"
#include "core/script/RepairScript.h"
#include "core/script/StampGenerator.h"

#include <QFileInfo>
#include <future>

namespace Quillwright {

namespace {
const QString NewDocumentRtf = QStringLiteral(
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green128\\blue0;}");
}

namespace {
QStringList markerTexts()
{
    QStringList texts;
    for (int step = 0; step < MarkerCount; ++step)
        texts << markerText(step);
    return texts;
}
} // namespace

DocumentModel::DocumentModel(RichTextControl& control, QObject* parent)
    : QObject(parent), m_control(control), m_index(markerTexts()),
      m_memo(std::make_unique<LineRewriteMemo>())
{
    // The control holds a script: the script's rules for lines and files.
    m_control.setRules(ScriptFile::controlRules());
    m_timer.setInterval(SnapshotInterval);
    connect(&m_timer, &QTimer::timeout, this, &DocumentModel::Timer1_Timer);
    connect(&m_control, &RichTextControl::changed, this, &DocumentModel::mod_fly_Change);
}

void DocumentModel::initialise(const QString& defaultTxtPath, const QString& fontName)
{
    m_control.setRtf(NewDocumentRtf);
    m_control.setText(ModFormat::defaultTemplate());
    m_updateBrowserTF = true;
    // A missing or unreadable default.txt leaves the template in place.
    if (!defaultTxtPath.isEmpty() && QFileInfo(defaultTxtPath).isFile())
        m_control.loadFile(defaultTxtPath);
    StampGenerator(m_control);
    m_control.setFontName(fontName);
    m_snapshots.clear();
    emit undoControlsChanged(undoControls());
    m_control.setSelStart(0);
    m_control.setSelLength(0);
    RefreshActionOutline();
    m_timer.start();
    markUnchanged();
}

void DocumentModel::mod_fly_Change()
{
    if (m_inHandler)
        return;
    m_inHandler = true;
    NotificationBlocker quiet(m_control);

    int start = m_control.selStart();
    int length = m_control.selLength();
    m_timer.stop();

    int end = start + length;
    if (m_reference)
        referenceChange(start, end);
    else
        lineByLineChange(start, end);
    length = end - start;

    m_updateBrowserTF = false;
    m_control.setSelStart(start);
    m_control.setSelLength(length);
    emit undoControlsChanged(undoControls());
    m_timer.start();
    m_inHandler = false;
}

void DocumentModel::referenceChange(int& start, int& end)
{
    const qsizetype snapshotLength = m_snapshots.Text2.size();
    QString rtf = m_control.rtf();
    const quint64 rtfRevision = m_control.revision();
    if (rtf.size() - snapshotLength >= GrowthThreshold || m_updateBrowserTF)
        ColourMarkers(m_control, start, end - start);
    if (m_control.textLength() - snapshotLength >= GrowthThreshold || m_updateBrowserTF) {
        if (m_outline.refresh(m_control.text(), m_updateBrowserTF))
            emit outlineRebuilt();
    }
    if (m_control.revision() != rtfRevision) // the marker pass coloured something
        rtf = m_control.rtf();
    if (rtf.size() - snapshotLength >= GrowthThreshold || m_updateBrowserTF) {
        const QString before = m_control.text();
        m_control.setRtf(RewriteKeywordRtf(
            Rtf::write(m_control.styledText(), m_control.fontName(), rewriteColorTable())));
        // The rewrite writes "# EoM" for "#EoM": the caret stays after it.
        const QString after = m_control.text();
        start = positionAfterInsertions(before, after, start);
        end = positionAfterInsertions(before, after, end);
    }
}

bool DocumentModel::rtfGrowthReached(qsizetype snapshotLength) const
{
    if (m_updateBrowserTF)
        return true;
    // The RTF form is longer than the text by its header and four
    // characters a line, so it is measured only when that is not enough.
    const qsizetype atLeast = Rtf::writtenLengthAtLeast(
        m_control.textLength(), m_control.lineCount(), m_control.fontName());
    if (atLeast - snapshotLength >= GrowthThreshold)
        return true;
    return m_control.rtf().size() - snapshotLength >= GrowthThreshold;
}

void DocumentModel::lineByLineChange(int& start, int& end)
{
    const qsizetype snapshotLength = m_snapshots.Text2.size();
    m_index.update(m_control);
    const quint64 revision = m_control.revision();
    const bool grown = rtfGrowthReached(snapshotLength);
    if (grown)
        colourMarkersIndexed(m_control, m_index, start, end - start);
    if (m_control.textLength() - snapshotLength >= GrowthThreshold || m_updateBrowserTF) {
        // Forced by the refresh flag only when a banner changed since the
        // nodes were read, or one reads on past its line.
        LineChanges banners = m_index.takeBannerChanges();
        const bool readsOn = m_index.anyKeywordReadsOn();
        // A keyword that reads on past its line may read otherwise after any
        // change below it: those banners are read again, the others only
        // where the banners changed.
        for (int banner : m_index.bannersReadingOn())
            banners.splices.push_back({banner, 1, 1});
        const bool bannersChanged = m_index.bannerGeneration() != m_outlineGeneration || readsOn;
        const bool force = m_updateBrowserTF && bannersChanged;
        if (force || m_index.bannerCount() != int(m_outline.nodes().size()))
            m_outlineGeneration = m_index.bannerGeneration();
        const bool rebuilt = m_outline.refresh(
            m_index.bannerCount(), banners.splices, banners.everything,
            [this](int banner) {
                bool readOn = false;
                const QString keyword = m_index.bannerKeyword(banner, &readOn);
                return readOn
                           ? ActionOutline::keywordsOnLines(m_control, {m_index.bannerLine(banner)})
                                 .value(0)
                           : keyword;
            },
            force);
        if (rebuilt)
            emit outlineRebuilt();
    }
    // Measured again only when the marker pass coloured something.
    if (m_control.revision() == revision ? grown : rtfGrowthReached(snapshotLength)) {
        m_index.update(m_control);
        const int startLine = m_control.lineAt(start);
        const int endLine = m_control.lineAt(end);
        const int startOffset = start - m_control.lineStart(startLine);
        const int endOffset = end - m_control.lineStart(endLine);
        // A script's worth of answers (its text and theirs) in each generation.
        m_memo->setBudget(
            std::max<qsizetype>(qsizetype(1) << 18, qsizetype(m_control.textLength()) * 6));
        const std::vector<GrownLine> longer = rewriteKeywordLines(m_control, m_index, *m_memo);
        // The rewrite writes "# EoM" for "#EoM": the caret stays after it.
        const auto moved = [&](int line, int offset) {
            for (const GrownLine& g : longer)
                if (g.line == line)
                    offset = positionAfterInsertions(g.before, g.after, offset);
            return m_control.lineStart(line) + offset;
        };
        if (!longer.empty()) {
            start = moved(startLine, startOffset);
            end = moved(endLine, endOffset);
        }
        m_index.update(m_control);
        rewriteKeywordLines(m_control, m_index, *m_memo, RewriteMode::Look);
    }
}

namespace {
QString withSeparators(const QString& text, DocumentModel::LoadRoute route)
{
    return route == DocumentModel::LoadRoute::Open ? addBlankAfterProgramSeparators(text)
                                                   : removeBlankAfterProgramSeparators(text);
}
} // namespace

namespace {
// What the three rounds of change handling make of the text of a plain
// script, as lines. Each step looks at one line at a time (CR LF line
// breaks included), so a text may be prepared in pieces that begin after
// a CR LF.
std::vector<LinePtr> preparedLines(QString text, DocumentModel::LoadRoute route)
{
    // What each round's full rewrite does to the text.
    const auto written = [](QString t) {
        return t.replace(ModFormat::endOfModTight(), ModFormat::endOfMod());
    };
    // Each step lets go of the text before it, so that no more than two
    // copies of it are held at once.
    text = written(std::move(text));
    text = withSeparators(text, route);
    text = written(std::move(text));
    text = RepairScript(text);
    text = normalizeLineEnds(written(std::move(text)));
    return LineStore::plainLines(text);
}
} // namespace

DocumentModel::PreparedScript DocumentModel::prepareScript(StyledText content, LoadRoute route,
                                                           qsizetype halvesFrom)
{
    PreparedScript out;
    if (!content.runs.empty()) {
        out.content = std::move(content);
        return out;
    }
    QString text = std::move(content.text);
    // A big script is prepared as two halves at once: the window waits for
    // this, and the steps are passes over memory more than over arithmetic.
    qsizetype middle = 0; // where the second half begins after a CR LF; 0: one piece
    if (text.size() >= halvesFrom) {
        const qsizetype lineBreak = text.indexOf(u"\r\n", text.size() / 2);
        if (lineBreak >= 0 && lineBreak + 2 < text.size())
            middle = lineBreak + 2;
    }
    if (middle == 0) {
        out.lines.assignLines(preparedLines(std::move(text), route));
    } else {
        QString second = text.sliced(middle);
        text.truncate(middle);
        text.squeeze();
        auto later = std::async(std::launch::async, [second = std::move(second), route]() mutable {
            return preparedLines(std::move(second), route);
        });
        std::vector<LinePtr> lines = preparedLines(std::move(text), route);
        std::vector<LinePtr> rest = later.get();
        lines.pop_back(); // the empty line after the first half's last CR LF
        lines.insert(lines.end(), std::make_move_iterator(rest.begin()),
                     std::make_move_iterator(rest.end()));
        out.lines.assignLines(std::move(lines));
    }
    out.prepared = true;
    return out;
}

void DocumentModel::loadScript(const StyledText& content, LoadRoute route)
{
    // The reference handler takes every round, from the text as read.
    loadScript(m_reference ? PreparedScript{content, LineStore(), false}
                           : prepareScript(content, route),
               route);
}

void DocumentModel::loadScript(const PreparedScript& script, LoadRoute route)
{
    if (!script.prepared) {
        m_updateBrowserTF = true;
        m_control.setStyledText(script.content);
        m_updateBrowserTF = true;
        m_control.setText(withSeparators(m_control.text(), route));
        m_updateBrowserTF = true;
        m_control.setText(RepairScript(m_control.text()));
    } else {
        m_updateBrowserTF = true;
        m_control.setLines(script.lines);
    }
    restartHistory();
    m_updateBrowserTF = true;
    markUnchanged();
}

void DocumentModel::Timer1_Timer()
{
    if (!m_snapshots.tick(
            m_control.textLength(), [this] { return TextSnapshot(m_control.lineSnapshot()); },
            m_updateBrowserTF))
        return;
    emit undoControlsChanged(undoControls());
    m_timer.stop();
}

void DocumentModel::takeSnapshot()
{
    LineStore now = m_control.lineSnapshot();
    if (!m_snapshots.Text1.isEmpty() && m_snapshots.Text1.lines().sameText(now))
        return;
    const qsizetype length = now.length();
    m_snapshots.tick(
        length, [&now] { return TextSnapshot(std::move(now)); }, true);
    m_timer.stop();
    emit undoControlsChanged(undoControls());
}

void DocumentModel::RefreshActionOutline()
{
    if (m_outline.refresh(m_control.text()))
        emit outlineRebuilt();
}

void DocumentModel::restartHistory()
{
    m_snapshots.clear();
    m_undone.clear();
    emit undoControlsChanged(undoControls());
}

void DocumentModel::undo(int levels)
{
    const UndoControls available = undoControls();
    if ((levels == 1 && !available.levelOne) || (levels == 2 && !available.levelTwo) ||
        (levels == 3 && !available.levelThree) || levels < 1 || levels > 3)
        return;
    if (!canRedo())
        m_undone.clear();
    m_undone.push_back({m_snapshots, m_control.lineSnapshot()});
    // The snapshot's lines come back as they were, colours and all; lines
    // it shares with the text now are not touched.
    m_control.setLines(m_snapshots.undo(levels).lines());
    m_undoneRevision = m_control.revision();
    emit undoControlsChanged(undoControls());
}

bool DocumentModel::canRedo() const
{
    return !m_undone.empty() && m_control.revision() == m_undoneRevision;
}

void DocumentModel::redo()
{
    if (!canRedo())
        return;
    Undone last = std::move(m_undone.back());
    m_undone.pop_back();
    // The slots first, so that the change handler meets the text among the
    // snapshots it was shown with.
    m_snapshots = std::move(last.snapshots);
    m_control.setLines(last.text);
    m_undoneRevision = m_control.revision();
    emit undoControlsChanged(undoControls());
}

DocumentModel::~DocumentModel() = default;

bool DocumentModel::hasUnsavedChanges() const
{
    return !m_unchanged || !m_control.lineSnapshot().sameText(*m_unchanged);
}

void DocumentModel::markUnchanged()
{
    m_unchanged = m_control.lineSnapshot();
    emit markedUnchanged();
}

void DocumentModel::markUnsaved()
{
    m_unchanged.reset();
}

int DocumentModel::bannerLine(int banner)
{
    m_index.update(m_control);
    return banner >= 0 && banner < m_index.bannerCount() ? m_index.bannerLine(banner) : -1;
}

QString DocumentModel::openedFile(int bannerLine) const
{
    const int last = std::min(m_control.lineCount(), bannerLine + 50);
    for (int i = bannerLine + 1; i < last; ++i) {
        const QString text = m_control.line(i)->text.trimmed();
        if (text.startsWith(ModFormat::bannerOpening()))
            break;
        if (!text.isEmpty() && text != u"#")
            return text;
    }
    return QString();
}

} // namespace Quillwright
