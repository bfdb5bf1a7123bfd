#include "core/checker/ScriptChecker.h"
#include "core/checker/HeaderCheck.h"
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
using ModReader::Kind;

bool isBlank(QStringView line)
{
    return line.trimmed().isEmpty();
}

// Words of the action keywords as translations write them (French, German,
// Spanish, Italian, Dutch): a keyword holding one is a translation, not a
// misspelling of an English one.
bool isTranslatedKeyword(const QString& normalized)
{
    if (std::any_of(normalized.begin(), normalized.end(),
                    [](QChar c) { return c.unicode() > 0x7F; }))
        return true;
    static const QSet<QString> foreign = [] {
        QSet<QString> w;
        for (const char* word :
             {"CHERCHER",    "TROUVER",   "RECHERCHER", "OUVRIR",      "AJOUTER",    "APRES",
              "AVANT",       "REMPLACER", "REMPLACEZ",  "PAR",         "COPIER",     "SAUVEGARDER",
              "ENREGISTRER", "FERMER",    "TOUS",       "FICHIERS",    "LIGNE",      "DANS",
              "SUCHE",       "SUCHEN",    "FINDE",      "FINDEN",      "OEFFNE",     "OEFFNEN",
              "DANACH",      "DAVOR",     "EINFUEGEN",  "HINZUFUEGEN", "ERSETZEN",   "ERSETZE",
              "KOPIEREN",    "SPEICHERN", "SCHLIESSEN", "DATEIEN",     "ALLE",       "BUSCAR",
              "ABRIR",       "ANADIR",    "DESPUES",    "ANTES",       "REEMPLAZAR", "COPIAR",
              "GUARDAR",     "CERRAR",    "ARCHIVOS",   "CERCA",       "TROVA",      "APRI",
              "AGGIUNGI",    "DOPO",      "PRIMA",      "SOSTITUISCI", "SALVA",      "CHIUDI",
              "TUTTI",       "ZOEK",      "VOEG",       "TOE",         "VERVANG",    "KOPIEER",
              "OPSLAAN"})
            w.insert(QString::fromLatin1(word));
        return w;
    }();
    static const QRegularExpression between(QStringLiteral("[\\s/\\-]+"));
    const QStringList words = normalized.split(between, Qt::SkipEmptyParts);
    return std::any_of(words.begin(), words.end(),
                       [](const QString& w) { return foreign.contains(w); });
}

// The template's spelling of a keyword read as installers read it:
// "AFTER, ADD" for "after add".
QString spelled(const QString& normalized)
{
    static const QHash<QString, QString> byNormalized = [] {
        QHash<QString, QString> h;
        for (const QString& k : ModReader::templateKeywords())
            h.insert(ModReader::normalizedKeyword(k), k);
        return h;
    }();
    return byNormalized.value(normalized, normalized);
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
    bool isDocument();
    void translatedKeywords();
    void actions();
    void end();
    void characters();
    void encoding();
    void add(const char* rule, int index, int column, int length, const QString& message);
    QStringView line(int i) const { return m_lines[size_t(i)]; }
    int count() const { return int(m_lines.size()); }

    const std::vector<QStringView>& m_lines;
    TextEncoding m_encoding;
    ModReader::Script m_script;
    std::vector<Block>& m_blocks = m_script.actions;
    int m_end = -1;         // the line of "# EoM"
    QSet<int> m_translated; // banner lines whose keyword is a translation
    std::vector<Finding> m_out;
};

void Check::add(const char* rule, int index, int column, int length, const QString& message)
{
    m_out.push_back(at(index, column, length, severityOf(rule), rule, message));
}

// A how-to that quotes a header and actions among pages of prose is no
// script: said once, instead of every quoted part found wanting.
bool Check::isDocument()
{
    int prose = 0;
    for (int i = 0; i < count(); ++i) {
        const QStringView t = line(i).trimmed();
        if (ModReader::scanBanner(t) || ModReader::headerLabel(t))
            break;
        if (!t.isEmpty() && !t.startsWith(u'#'))
            ++prose;
    }
    if (prose < 8)
        return false;
    add(Rule::NotAScript, 0, 1, 0,
        tr("This reads as a document about MOD scripts (%n line(s) of text come before any "
           "header or action), not as a script: it is not checked",
           nullptr, prose));
    return true;
}

// A translation that writes every keyword in its own language is one fault
// of the script, said once with the keywords it uses.
void Check::translatedKeywords()
{
    QStringList words;
    int first = -1;
    int column = 1;
    for (const Block& b : m_blocks) {
        if (b.known || (m_end >= 0 && b.bannerLine > m_end) || !isTranslatedKeyword(b.normalized))
            continue;
        m_translated.insert(b.bannerLine);
        if (first < 0) {
            first = b.bannerLine;
            column = b.banner.column;
        }
        const QString w = u'"' + b.banner.keyword.toString() + u'"';
        if (!words.contains(w))
            words << w;
    }
    if (first < 0)
        return;
    const int shown = 4;
    QString named = words.mid(0, shown).join(QStringLiteral(", "));
    if (words.size() > shown)
        named += QStringLiteral(", ...");
    add(Rule::KeywordsNotEnglish, first, column, int(line(first).size()) - column + 1,
        tr("The script's action keywords are not English (%1): installers read only the "
           "English keywords")
            .arg(named));
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
        // What a translated keyword does is unknown: the order of the
        // actions around it is not judged.
        if (m_translated.contains(b.bannerLine)) {
            open = found = inlineFound = true;
            continue;
        }
        const int col = b.banner.column;
        const int len = int(b.banner.keyword.size());
        const int whole = int(line(b.bannerLine).size());
        const QString keyword = b.banner.keyword.toString();
        if (!b.known) {
            add(Rule::UnknownKeyword, b.bannerLine, col, len,
                tr("\"%1\" is not a keyword that installers know").arg(keyword));
            continue;
        }
        // Installers read "after add" and "AFTER, ADD" alike: the template's
        // spelling is form, as the dashes are.
        const QString template_ = spelled(b.normalized);
        if (!b.banner.standard || keyword != template_)
            add(Rule::BannerForm, b.bannerLine, 1, whole,
                tr("The banner is not written as \"#-----[ %1 ]---\"").arg(template_));
        const bool hashBefore = b.bannerLine > 0 && line(b.bannerLine - 1).trimmed() == u"#";
        // After it, "#" or an author's "#" note on the block.
        const bool hashAfter = b.bannerLine + 1 < count() &&
                               line(b.bannerLine + 1).trimmed().startsWith(u'#') &&
                               !ModReader::isEndMarker(line(b.bannerLine + 1));
        if (!hashBefore || !hashAfter)
            add(Rule::BannerFrame, b.bannerLine, 1, whole,
                hashBefore ? tr("The banner has no \"#\" line after it")
                           : tr("The banner has no \"#\" line before it: the outline lists only "
                                "banners with a \"#\" line above them"));
        // An empty REPLACE WITH, or IN-LINE REPLACE WITH, is how scripts delete.
        const bool deletes =
            b.kind == Kind::Replace ||
            (b.kind == Kind::Inline && b.normalized.startsWith(QStringLiteral("IN-LINE REPLACE")));
        if (b.kind != Kind::Save && !deletes && b.first >= b.last)
            add(Rule::EmptyBlock, b.bannerLine, col, len,
                tr("The %1 block has nothing in it").arg(keyword));
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
                add(Rule::OpenWithoutAction, b.bannerLine, col, len,
                    tr("Nothing is done to the file this OPEN opens"));
            break;
        }
        case Kind::Find:
            if (!open)
                add(Rule::FindBeforeOpen, b.bannerLine, col, len,
                    tr("FIND before any OPEN: installers do not know which file to look in"));
            found = true;
            break;
        case Kind::InlineFind:
            if (!open)
                add(Rule::FindBeforeOpen, b.bannerLine, col, len,
                    tr("IN-LINE FIND before any OPEN"));
            else if (!found)
                add(Rule::InlineWithoutFind, b.bannerLine, col, len,
                    tr("IN-LINE FIND without a FIND before it in this file"));
            inlineFound = true;
            break;
        case Kind::Add:
        case Kind::Replace:
        case Kind::Increment:
            if (!open)
                add(Rule::ActionBeforeOpen, b.bannerLine, col, len,
                    tr("%1 before any OPEN").arg(keyword));
            else if (!found)
                add(Rule::ActionWithoutFind, b.bannerLine, col, len,
                    tr("%1 without a FIND before it in this file").arg(keyword));
            break;
        case Kind::Inline:
            if (!open)
                add(Rule::ActionBeforeOpen, b.bannerLine, col, len,
                    tr("%1 before any OPEN").arg(keyword));
            else if (!inlineFound)
                add(Rule::InlineWithoutInlineFind, b.bannerLine, col, len,
                    tr("%1 without an IN-LINE FIND before it in this file").arg(keyword));
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
        add(Rule::EomMissing, std::max(lastText, 0), 1, 0,
            tr("The script does not end with \"# EoM\""));
        return;
    }
    bool saved = false;
    for (const Block& b : m_blocks)
        if (b.bannerLine < m_end && b.kind == Kind::Save)
            saved = true;
    if (!saved)
        add(Rule::EomWithoutSave, m_end, 1, int(line(m_end).size()),
            tr("\"# EoM\" without a SAVE/CLOSE ALL FILES block before it"));
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
        add(Rule::AfterEom, i, 1, int(line(i).size()),
            tr("Text after \"# EoM\": installers stop reading there"));
        ++reported;
    }
    if (more > 0)
        m_out.push_back(at(last, 1, 0, Severity::Note, Rule::AfterEom,
                           tr("%n more line(s) of text after \"# EoM\" not shown", nullptr, more)));
}

void Check::characters()
{
    // A script read as UTF-8 is saved as UTF-8: nothing is lost.
    if (m_encoding == TextEncoding::Utf8 || m_encoding == TextEncoding::Utf8WithBom)
        return;
    const bool codePage = m_encoding == TextEncoding::Windows1252;
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
        if (!codePage && encodeText(l.toString(), m_encoding).unmappable == 0)
            continue;
        for (qsizetype c = 0; c < l.size(); ++c) {
            const char16_t u = l[c].unicode();
            const bool pair = QChar::isHighSurrogate(u) && c + 1 < l.size();
            const bool held =
                u < 0x80 ||
                (codePage
                     ? Windows1252::encodeChar(u) >= 0
                     : encodeText(l.sliced(c, pair ? 2 : 1).toString(), m_encoding).unmappable ==
                           0);
            if (held)
                continue;
            if (reported < CharacterCap) {
                add(Rule::NotWindows1252, i, int(c) + 1, pair ? 2 : 1,
                    codePage ? tr("A MOD script file cannot hold this character: saving writes "
                                  "\"?\"")
                             : tr("The script's encoding, %1, cannot hold this character: saving "
                                  "writes \"?\"")
                                   .arg(encodingName(m_encoding)));
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

// Installers compare a script's bytes with the forum's: a script in a code
// page of its own reads to them, and to most editors, as other letters.
void Check::encoding()
{
    if (!isLegacyEncoding(m_encoding))
        return;
    add(Rule::ScriptEncoding, 0, 1, 0,
        tr("The script is encoded as %1 (%2), not as UTF-8 or Windows-1252: installers and "
           "editors that expect those read its letters as other characters")
            .arg(encodingName(m_encoding), encodingLanguage(m_encoding)));
}

std::vector<Finding> Check::run()
{
    m_script = ModReader::read(m_lines);
    m_end = m_script.end;
    encoding();
    if (!isDocument()) {
        translatedKeywords();
        checkHeader(m_lines, m_script, m_translated.isEmpty(), m_out);
        actions();
        end();
        characters();
    }
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
