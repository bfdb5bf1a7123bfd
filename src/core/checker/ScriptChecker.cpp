#include "core/checker/ScriptChecker.h"
#include "core/checker/Rules.h"

#include "core/encoding/Windows1252.h"
#include "core/script/ModFormat.h"
#include "core/text/LineStore.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace Quillwright {

namespace Checker {
namespace {

Finding at(int index, int column, int length, Severity severity, const char* rule,
           const QString& message)
{
    return {index + 1, column, length, severity, QString::fromLatin1(rule), message};
}

using Block = ModReader::Action;
using ModReader::headerLabel;
using ModReader::Kind;

bool isBlank(QStringView line)
{
    return line.trimmed().isEmpty();
}

// The header's fields, by the names the checker reports them under.
struct HeaderField {
    const char* key;
    const char* name;
};
constexpr HeaderField Fields[] = {
    {"title", "MOD Title"},
    {"author", "MOD Author"},
    {"description", "MOD Description"},
    {"version", "MOD Version"},
    {"installation level", "Installation Level"},
    {"installation time", "Installation Time"},
    {"files to edit", "Files To Edit"},
    {"included files", "Included Files"},
};

struct FieldSeen {
    int line = -1;
    int count = 0;
    QString value; // the line's value and its continuation lines, joined by blanks
};

// "N/A", "(n/a)", "none" or a count of files says there is nothing to list.
bool isList(const QString& value)
{
    static const QRegularExpression notAList(
        QStringLiteral("^[\\(\\[]?\\s*(n/?a|none|-+|\\d+(\\s*files?)?)?\\s*[\\)\\]]?\\.?$"),
        QRegularExpression::CaseInsensitiveOption);
    return !notAList.match(value.trimmed()).hasMatch();
}

QStringList listed(const QString& value)
{
    QStringList out;
    for (const QString& part :
         value.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts)) {
        const QString p = scriptPath(part);
        const QString lower = p.toLower();
        if (lower == u"n/a" || lower == u"-" || lower == u"none" || lower == u"(none)" ||
            lower == u"na")
            continue;
        out << p;
    }
    return out;
}

class Check {
    Q_DECLARE_TR_FUNCTIONS(Checker)

public:
    Check(const std::vector<QStringView>& lines, TextEncoding encoding)
        : m_lines(lines), m_encoding(encoding)
    {}
    static constexpr int Cap = 20;           // findings after "# EoM" shown
    static constexpr int CharacterCap = 200; // characters a script cannot hold shown
    std::vector<Finding> run();

private:
    void readBlocks();
    void header();
    void actions();
    void end();
    void characters();
    QStringView line(int i) const { return m_lines[size_t(i)]; }
    int count() const { return int(m_lines.size()); }

    const std::vector<QStringView>& m_lines;
    TextEncoding m_encoding;
    std::vector<Block> m_blocks;
    int m_end = -1; // the line of "# EoM"
    std::vector<Finding> m_out;
};

void Check::readBlocks()
{
    ModReader::Script read = ModReader::read(m_lines);
    m_blocks = std::move(read.actions);
    m_end = read.end;
}

void Check::header()
{
    const int headerEnd = m_blocks.empty() ? count() : m_blocks.front().bannerLine;
    std::vector<FieldSeen> seen(std::size(Fields));
    int continuing = -1; // the field whose value goes on in the lines after
    bool security = false;
    bool backup = false;
    const QString backupText = ModFormat::backupNotice();
    // The notices belong to the header, as the template places them.
    for (int i = 0; i < headerEnd; ++i) {
        const QStringView l = line(i);
        if (l.contains(QStringLiteral("For Security Purposes, Please Check"), Qt::CaseInsensitive))
            security = true;
        if (l.contains(backupText, Qt::CaseInsensitive))
            backup = true;
        const auto label = headerLabel(l);
        if (!label) {
            // "##" and more text goes on with the field above ("Files To Edit"
            // often lists a file a line); a separator of "#" or a line that is
            // not "##" ends it.
            const QStringView rest =
                l.startsWith(QStringLiteral("##")) ? l.sliced(2).trimmed() : QStringView();
            if (!l.startsWith(QStringLiteral("##")) || rest.startsWith(u'#'))
                continuing = -1;
            else if (continuing >= 0 && !rest.isEmpty())
                seen[size_t(continuing)].value += u' ' + rest.toString();
            continue;
        }
        continuing = -1;
        for (size_t f = 0; f < std::size(Fields); ++f) {
            if (label->first != QLatin1String(Fields[f].key))
                continue;
            FieldSeen& s = seen[f];
            const QString key = QString::fromLatin1(Fields[f].key);
            if (++s.count == 1) {
                s.line = i;
                s.value = label->second.toString();
                // Lists and the description go on over the lines below; a
                // version or a level never takes the next lines in.
                if (key == u"description" || key == u"files to edit" || key == u"included files")
                    continuing = int(f);
            } else if (key != u"author") { // co-authors each have their line
                m_out.push_back(at(i, 1, int(l.size()), Severity::Warning, Rule::HeaderDuplicate,
                                   tr("\"%1\" is given more than once").arg(Fields[f].name)));
            }
        }
    }
    const int firstLine = 0;
    if (std::all_of(seen.begin(), seen.end(), [](const FieldSeen& s) { return s.count == 0; })) {
        // An upgrade snippet or another kind of file: one word, not one per label.
        m_out.push_back(at(firstLine, 1, 0, Severity::Error, Rule::HeaderMissing,
                           tr("This does not look like a MOD script: it has no MOD header "
                              "(\"## MOD Title:\" and the other labels)")));
        return;
    }
    for (size_t f = 0; f < std::size(Fields); ++f) {
        const FieldSeen& s = seen[f];
        const QString name = QString::fromLatin1(Fields[f].name);
        if (s.count == 0) {
            m_out.push_back(at(firstLine, 1, 0, Severity::Error, Rule::HeaderMissing,
                               tr("The header has no \"## %1:\" line").arg(name)));
            continue;
        }
        const QString value = s.value.trimmed();
        const QString key = QString::fromLatin1(Fields[f].key);
        // A script with no COPY has no files to include, and one that opens
        // nothing none to edit: saying so by leaving the list empty is fine.
        if ((key == u"included files" || key == u"files to edit") && !isList(value))
            continue;
        if (value.isEmpty()) {
            m_out.push_back(at(s.line, 1, int(line(s.line).size()), Severity::Error,
                               Rule::HeaderEmpty, tr("\"%1\" is empty").arg(name)));
            continue;
        }
        static const QRegularExpression versionForm(
            QStringLiteral("^\\d+\\.\\d+\\.\\d+[A-Za-z]?$"));
        if (key == u"version" && !versionForm.match(value).hasMatch())
            m_out.push_back(at(s.line, 1, int(line(s.line).size()), Severity::Warning,
                               Rule::VersionFormat,
                               tr("The version \"%1\" is not in the form 1.2.3 (a letter may "
                                  "follow)")
                                   .arg(value)));
        if (key == u"installation level") {
            // "(Easy)" as the template's own "(Easy/Intermediate/Advanced)" has it, any case.
            QString level = value;
            level.remove(QRegularExpression(QStringLiteral("[()\\[\\]]")));
            level = level.trimmed()
                        .section(QRegularExpression(QStringLiteral("[\\s/,]")), 0, 0)
                        .toLower();
            static const QStringList older = {QStringLiteral("moderate"), QStringLiteral("medium"),
                                              QStringLiteral("beginner"), QStringLiteral("hard"),
                                              QStringLiteral("simple"),   QStringLiteral("expert")};
            if (level != u"easy" && level != u"intermediate" && level != u"advanced")
                m_out.push_back(at(s.line, 1, int(line(s.line).size()),
                                   older.contains(level) ? Severity::Note : Severity::Warning,
                                   Rule::LevelValue,
                                   tr("The installation level \"%1\" is not one of Easy, "
                                      "Intermediate, Advanced")
                                       .arg(value)));
        }
        if (key == u"author") {
            static const QRegularExpression form(
                QStringLiteral("^[^<>()]+<[^<>]*>\\s*\\([^()]*\\)\\s*\\S*$"));
            if (!form.match(
                         line(s.line).sliced(line(s.line).indexOf(u':') + 1).trimmed().toString())
                     .hasMatch())
                m_out.push_back(at(s.line, 1, int(line(s.line).size()), Severity::Warning,
                                   Rule::AuthorFormat,
                                   tr("The author line is not in the form \"name < e-mail > "
                                      "(real name) web site\"")));
        }
    }
    // A notice translated (French, Chinese) or written as a "#" comment is
    // still there: told by its place between the header's separators.
    std::vector<std::pair<int, int>> paragraphs; // [first, last] between separator lines
    {
        int start = -1;
        const auto isSeparator = [this](int i) {
            const QStringView t = line(i).trimmed();
            return t.size() >= 10 &&
                   std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'#'; });
        };
        for (int i = 0; i <= headerEnd; ++i) {
            const bool edge = i == headerEnd || isSeparator(i);
            const QStringView t = i < headerEnd ? line(i).trimmed() : QStringView();
            const bool empty = t.isEmpty() || std::all_of(t.begin(), t.end(), [](QChar c) {
                                   return c == u'#' || c.isSpace();
                               });
            if (edge) {
                if (start >= 0)
                    paragraphs.emplace_back(start, i - 1);
                start = -1;
            } else if (start < 0 && !empty) {
                start = i;
            }
        }
    }
    const auto labelled = [this](int from, int to) {
        for (int i = from; i <= to; ++i)
            if (headerLabel(line(i)))
                return true;
        return false;
    };
    for (const auto& [from, to] : paragraphs) {
        for (int i = from; i <= to && !security; ++i)
            security = line(i).contains(QStringLiteral("phpbb.com/mods"), Qt::CaseInsensitive) ||
                       line(i).contains(QStringLiteral("phpbbhacks"), Qt::CaseInsensitive);
    }
    // The backup notice is the header's last paragraph: a line or two of text.
    if (!backup && !paragraphs.empty() && paragraphs.size() >= 3) {
        const auto [from, to] = paragraphs.back();
        int text = 0;
        for (int i = from; i <= to; ++i)
            text += int(line(i).trimmed().size());
        backup = to - from <= 2 && !labelled(from, to) && text >= 30;
    }
    if (!security)
        m_out.push_back(at(0, 1, 0, Severity::Warning, Rule::SecurityNoticeMissing,
                           tr("The header has no security notice (\"For Security Purposes, "
                              "Please Check: ...\")")));
    if (!backup)
        m_out.push_back(at(0, 1, 0, Severity::Warning, Rule::BackupNoticeMissing,
                           tr("The header does not tell the reader to back up the files the "
                              "MOD changes")));

    // What the header lists against what the actions open and copy.
    QStringList opened;
    QStringList copied;
    for (const Block& b : m_blocks) {
        if (m_end >= 0 && b.bannerLine > m_end)
            break;
        if (b.kind == Kind::Open && b.first < b.last) {
            const QString path = scriptPath(line(b.first));
            if (!opened.contains(path, Qt::CaseInsensitive))
                opened << path;
        }
        if (b.kind == Kind::Copy)
            for (int i = b.first; i < b.last; ++i) {
                const QStringView l = line(i).trimmed();
                if (!l.startsWith(QStringLiteral("copy "), Qt::CaseInsensitive))
                    continue;
                const QString source = scriptPath(l.sliced(5).toString().section(
                    QStringLiteral(" to "), 0, 0, QString::SectionCaseInsensitiveSeps));
                if (!source.isEmpty())
                    copied << source;
            }
    }
    const auto compare = [&](size_t f, const QStringList& actual, const char* rule,
                             const QString& notListedText, const QString& notDoneText) {
        const FieldSeen& s = seen[f];
        if (s.count == 0)
            return;
        if (!isList(s.value)) {
            if (!actual.isEmpty())
                m_out.push_back(at(s.line, 1, int(line(s.line).size()), Severity::Note, rule,
                                   notListedText.arg(actual.join(QStringLiteral(", ")))));
            return;
        }
        const QStringList named = listed(s.value);
        if (named.isEmpty() && actual.isEmpty())
            return;
        // Exactly, so that a doubled folder or a bare name is found.
        const auto same = [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) == 0;
        };
        QStringList notListed;
        for (const QString& a : actual)
            if (std::none_of(named.begin(), named.end(),
                             [&](const QString& n) { return same(a, n); }))
                notListed << a;
        QStringList notDone;
        for (const QString& n : named)
            if (!n.contains(u'*') && std::none_of(actual.begin(), actual.end(),
                                                  [&](const QString& a) { return same(a, n); }))
                notDone << n;
        if (!notListed.isEmpty())
            m_out.push_back(at(s.line, 1, int(line(s.line).size()), Severity::Warning, rule,
                               notListedText.arg(notListed.join(QStringLiteral(", ")))));
        if (!notDone.isEmpty())
            m_out.push_back(at(s.line, 1, int(line(s.line).size()), Severity::Warning, rule,
                               notDoneText.arg(notDone.join(QStringLiteral(", ")))));
    };
    compare(6, opened, Rule::FilesToEdit,
            tr("\"Files To Edit\" does not list %1, which the script opens"),
            tr("\"Files To Edit\" lists %1, which no OPEN opens"));
    compare(7, copied, Rule::IncludedFiles,
            tr("\"Included Files\" does not list %1, which the script copies"),
            tr("\"Included Files\" lists %1, which no COPY copies"));
}

void Check::actions()
{
    bool open = false;
    bool found = false;       // a FIND since the OPEN
    bool inlineFound = false; // an IN-LINE FIND since the OPEN
    for (size_t k = 0; k < m_blocks.size(); ++k) {
        const Block& b = m_blocks[k];
        if (m_end >= 0 && b.bannerLine > m_end)
            break;
        const int col = b.banner.column;
        const int len = int(b.banner.keyword.size());
        if (!b.known) {
            m_out.push_back(at(b.bannerLine, col, len, Severity::Error, Rule::UnknownKeyword,
                               tr("\"%1\" is not a keyword that installers know")
                                   .arg(b.banner.keyword.toString())));
            continue;
        }
        if (!b.banner.standard)
            m_out.push_back(at(b.bannerLine, 1, int(line(b.bannerLine).size()), Severity::Warning,
                               Rule::BannerForm,
                               tr("The banner is not written as \"#-----[ %1 ]---\"")
                                   .arg(b.banner.keyword.toString())));
        const bool hashBefore = b.bannerLine > 0 && line(b.bannerLine - 1).trimmed() == u"#";
        // After it, "#" or an author's "#" note on the block.
        const bool hashAfter = b.bannerLine + 1 < count() &&
                               line(b.bannerLine + 1).trimmed().startsWith(u'#') &&
                               !isEndMarker(line(b.bannerLine + 1));
        if (!hashBefore || !hashAfter)
            m_out.push_back(at(b.bannerLine, 1, int(line(b.bannerLine).size()), Severity::Warning,
                               Rule::BannerFrame,
                               hashBefore ? tr("The banner has no \"#\" line after it")
                                          : tr("The banner has no \"#\" line before it; the "
                                               "outline does not see it")));
        // An empty REPLACE WITH is how scripts delete lines.
        const bool needsContent = b.kind != Kind::Save && b.kind != Kind::Replace;
        if (needsContent && b.first >= b.last)
            m_out.push_back(
                at(b.bannerLine, col, len, Severity::Warning, Rule::EmptyBlock,
                   tr("The %1 block has nothing in it").arg(b.banner.keyword.toString())));
        switch (b.kind) {
        case Kind::Open: {
            open = true;
            found = false;
            inlineFound = false;
            const Block* next = k + 1 < m_blocks.size() ? &m_blocks[k + 1] : nullptr;
            const bool acts = next && (m_end < 0 || next->bannerLine < m_end) &&
                              (next->kind == Kind::Find || next->kind == Kind::InlineFind ||
                               next->kind == Kind::Add || next->kind == Kind::Replace ||
                               next->kind == Kind::Increment || next->kind == Kind::Inline ||
                               next->kind == Kind::Other);
            if (!acts)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Warning,
                                   Rule::OpenWithoutAction,
                                   tr("Nothing is done to the file this OPEN opens")));
            break;
        }
        case Kind::Find:
            if (!open)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Error, Rule::FindBeforeOpen,
                                   tr("FIND before any OPEN: installers do not know which file "
                                      "to look in")));
            found = true;
            break;
        case Kind::InlineFind:
            if (!open)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Error, Rule::FindBeforeOpen,
                                   tr("IN-LINE FIND before any OPEN")));
            else if (!found)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Error, Rule::InlineWithoutFind,
                                   tr("IN-LINE FIND without a FIND before it in this file")));
            inlineFound = true;
            break;
        case Kind::Add:
        case Kind::Replace:
        case Kind::Increment:
            if (!open)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Error, Rule::ActionBeforeOpen,
                                   tr("%1 before any OPEN").arg(b.banner.keyword.toString())));
            else if (!found)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Error, Rule::ActionWithoutFind,
                                   tr("%1 without a FIND before it in this file")
                                       .arg(b.banner.keyword.toString())));
            break;
        case Kind::Inline:
            if (!open)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Error, Rule::ActionBeforeOpen,
                                   tr("%1 before any OPEN").arg(b.banner.keyword.toString())));
            else if (!inlineFound)
                m_out.push_back(at(b.bannerLine, col, len, Severity::Error,
                                   Rule::InlineWithoutInlineFind,
                                   tr("%1 without an IN-LINE FIND before it in this file")
                                       .arg(b.banner.keyword.toString())));
            break;
        case Kind::Copy:
        case Kind::Save:
        case Kind::Other:
            break;
        }
    }
}

void Check::end()
{
    int lastText = count() - 1;
    while (lastText >= 0 && isBlank(line(lastText)))
        --lastText;
    if (m_end < 0) {
        m_out.push_back(at(std::max(lastText, 0), 1, 0, Severity::Error, Rule::EomMissing,
                           tr("The script does not end with \"# EoM\"")));
        return;
    }
    bool saved = false;
    for (const Block& b : m_blocks)
        if (b.bannerLine < m_end && b.kind == Kind::Save)
            saved = true;
    if (!saved)
        m_out.push_back(at(m_end, 1, int(line(m_end).size()), Severity::Error, Rule::EomWithoutSave,
                           tr("\"# EoM\" without a SAVE/CLOSE ALL FILES block before it")));
    int reported = 0;
    int more = 0;
    int last = m_end;
    for (int i = m_end + 1; i < count(); ++i) {
        // "#" lines and blank ones after the marker are its frame.
        const QStringView t = line(i).trimmed();
        if (t.isEmpty() || std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'#'; }))
            continue;
        if (reported == Cap) {
            ++more;
            last = i;
            continue;
        }
        m_out.push_back(at(i, 1, int(line(i).size()), Severity::Error, Rule::AfterEom,
                           tr("Text after \"# EoM\": installers stop reading there")));
        ++reported;
    }
    if (more > 0)
        m_out.push_back(at(last, 1, 0, Severity::Note, Rule::AfterEom,
                           tr("%n more line(s) of text after \"# EoM\" not shown", nullptr, more)));
}

void Check::characters()
{
    // A script read as UTF-8 is saved as UTF-8: nothing is lost.
    if (m_encoding != TextEncoding::Windows1252)
        return;
    int reported = 0;
    int more = 0;
    int lastLine = 0;
    for (int i = 0; i < count(); ++i) {
        const QStringView l = line(i);
        // Nearly every line is ASCII, which a loop the compiler vectorises tells.
        char16_t any = 0;
        for (QChar ch : l)
            any |= ch.unicode();
        if (any < 0x80)
            continue;
        for (qsizetype c = 0; c < l.size(); ++c) {
            const char16_t u = l[c].unicode();
            if (u < 0x80 || Windows1252::encodeChar(u) >= 0)
                continue;
            const bool pair = QChar::isHighSurrogate(u) && c + 1 < l.size();
            if (reported < CharacterCap) {
                m_out.push_back(at(i, int(c) + 1, pair ? 2 : 1, Severity::Warning,
                                   Rule::NotWindows1252,
                                   tr("A MOD script file cannot hold this character: saving "
                                      "writes \"?\"")));
                ++reported;
            } else {
                ++more;
                lastLine = i;
            }
            if (pair)
                ++c;
        }
    }
    if (more > 0)
        m_out.push_back(
            at(lastLine, 1, 0, Severity::Note, Rule::NotWindows1252,
               tr("%n more character(s) a MOD script file cannot hold not shown", nullptr, more)));
}

std::vector<Finding> Check::run()
{
    readBlocks();
    header();
    actions();
    end();
    characters();
    sortFindings(m_out);
    return m_out;
}

std::vector<QStringView> views(const QStringList& lines)
{
    std::vector<QStringView> out;
    out.reserve(size_t(lines.size()));
    for (const QString& l : lines)
        out.emplace_back(l);
    return out;
}

} // namespace

std::vector<Finding> checkScript(const std::vector<QStringView>& lines, TextEncoding encoding)
{
    return Check(lines, encoding).run();
}

std::vector<Finding> checkScript(const QStringList& lines, TextEncoding encoding)
{
    const std::vector<QStringView> v = views(lines);
    return checkScript(v, encoding);
}

std::vector<Finding> checkScript(const LineStore& store, TextEncoding encoding)
{
    std::vector<QStringView> v;
    v.reserve(size_t(store.lineCount()));
    store.lines().forEach([&v](const LinePtr& l) { v.emplace_back(l->text); });
    return checkScript(v, encoding);
}

} // namespace Checker

} // namespace Quillwright
