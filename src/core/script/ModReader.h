#pragma once

#include "core/encoding/TextEncoding.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace Quillwright {

// A MOD script read the way installers read it, for every tool that works
// on what a script does (the checker, its dry run against a forum, the
// installer, the script writer): banners with blanks and dashes as authors
// type them, keywords compared ignoring case, commas and runs of blanks,
// author's notes at the edges of a block, the end marker, paths as scripts
// write them. The editor's outline and colouring read banners literally, as
// the program always has: see docs/ARCHITECTURE.md.
namespace ModReader {

// What an action does, which decides what it needs before it.
enum class Kind { Open, Find, InlineFind, Add, Replace, Increment, Inline, Copy, Save, Other };
Kind kindOf(const QString& normalized);
// Upper case, commas gone, runs of blanks one blank: "After, Add" is "AFTER ADD".
QString normalizedKeyword(QStringView keyword);
// The keywords of the MOD template, as the template spells them, and normalized.
const QStringList& templateKeywords();
const QSet<QString>& knownKeywords();

// A banner's parts as views into its line: "#", dashes and "[ KEYWORD ]"
// with blanks allowed between and anything after the "]".
struct BannerView {
    QStringView keyword;
    int column = 1;        // where the keyword starts, from 1
    bool standard = false; // "#-----[ KEYWORD ]" and dashes, as the template writes it
};
std::optional<BannerView> scanBanner(QStringView line);

// The same, owning its text.
struct Banner {
    QString keyword;    // as written, trimmed
    QString normalized; // see normalizedKeyword
    int column = 1;
    bool standard = false;
};
std::optional<Banner> readBanner(QStringView line);

// Whether a line ends the script: "# EoM", case and the blank aside.
bool isEndMarker(QStringView line);
// Whether a line at either end of a block is an author's note (or the "#"
// frame), not content: empty, or beginning with "#".
bool isNote(QStringView line);
// A path as scripts write it: "\" read as "/", one leading "./" or "/" dropped.
QString scriptPath(QStringView path);
// A line of a COPY block, "copy root/x.php to x.php": its source and its
// target as written, trimmed; nothing when the line is no such line.
std::optional<std::pair<QString, QString>> copyLine(QStringView line);
// Languages and templates other than the ones every forum has are installed
// apart: a forum without them is not at fault.
bool isOptionalInstall(const QString& path);
// "## Label: value": the label lower-cased without a leading "mod ", and the value.
std::optional<std::pair<QString, QStringView>> headerLabel(QStringView line);

// A file's lines: UTF-8 when the bytes are valid UTF-8 (a leading
// byte-order mark dropped), a legacy code page decodeText recognises, else
// Windows-1252; CR LF, LF and a lone CR all end a line.
// `encoding`, when given, says which it was (plain ASCII counts as Windows-1252);
// `refusal`, why the bytes are not text at all (UTF-16, a binary file), and then
// there are no lines.
QStringList readLines(const QByteArray& bytes, TextEncoding* encoding = nullptr,
                      QString* refusal = nullptr);

// A line as FINDs compare it: every blank gone.
QString withoutWhitespace(QStringView line);

// The FIND test, for every tool that asks where a FIND matches (the
// installer, the dry run, the writer): each non-blank line of the FIND is
// compared without its blanks, and "{%:N}" in it stands for a number (which
// INCREMENT may change).
class FindText {
public:
    FindText() = default;
    explicit FindText(const std::vector<QStringView>& lines);
    explicit FindText(const QStringList& lines);
    int size() const { return int(m_lines.size()); }
    bool isEmpty() const { return m_lines.empty(); }
    // Line j of the FIND as the script writes it.
    const QString& written(int j) const { return m_lines[size_t(j)].written; }
    // Whether line j of the FIND stands in a file's line, given without its blanks.
    bool standsIn(int j, const QString& strippedLine) const;
    // Where the numbers of line j's placeholders stand in the file's line
    // it matched (as the line is written, blanks included).
    struct Number {
        int id = 0; // N of "{%:N}"
        qsizetype start = 0;
        qsizetype length = 0;
    };
    std::vector<Number> numbers(int j, const QString& fileLine) const;

private:
    struct Line {
        QString written;
        QString stripped;
        std::optional<QRegularExpression> pattern; // with placeholders
        std::vector<int> ids;                      // the placeholder of each group
    };
    std::vector<Line> m_lines;
};
// Where a FIND matches a file given as its lines without blanks, as
// installers search: the first place whose first line is at or after
// `from` and before `startBefore`, where FIND line j stands in the j-th of
// consecutive non-blank lines (blank lines between them are passed over).
// The file lines matched, or nothing.
std::vector<int> findLines(const std::vector<QString>& strippedFile, const FindText& find,
                           int from = 0, int startBefore = INT_MAX);
// How IN-LINE FIND looks for a fragment in a line: its non-blank characters
// in order with any blanks between them, "{%:N}" standing for a number;
// `ids`, when given, receives the placeholder of each group.
QRegularExpression fragmentPattern(QStringView fragment, std::vector<int>* ids = nullptr);

// One action: its banner and its content, the lines [first, last) between
// it and the next banner (or the end marker), notes at both ends left out.
struct Action {
    int bannerLine = 0; // from 0
    BannerView banner;
    bool known = false;
    Kind kind = Kind::Other;
    QString normalized;
    int first = 0;
    int last = 0;
};
struct HeaderField {
    int line = 0; // from 0
    QString label;
    QStringView value;
};
struct Script {
    std::vector<HeaderField> header; // the "## Label: value" lines before the first banner
    std::vector<Action> actions;     // every banner, those after the end marker too
    int end = -1;                    // the line of the end marker; -1: none
    // The actions an installer carries out: those before the end marker.
    std::vector<Action> installed() const;
};
// The views must outlive the result, which points into them.
Script read(const std::vector<QStringView>& lines);
// The first content line of an action that is not blank (an OPEN's path,
// an IN-LINE FIND's fragment); -1 when there is none.
int firstContentLine(const Action& action, const std::vector<QStringView>& lines);

// The text of an IN-LINE action: its first content line, or, when the
// notes rule leaves none, a line of blanks alone (" " added after a word).
std::optional<QStringView> inlineText(const Action& action, const std::vector<QStringView>& lines);

} // namespace ModReader

} // namespace Quillwright
