#pragma once

#include "core/checker/Finding.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

class LineStore;

// The script checker: a MOD script checked against the conventions of the
// MOD template while it is written (the header's fields, the order of the
// actions, the end marker, characters a script file cannot hold), and each
// FIND tried against the forum's own files. Plain text in, findings out.
namespace Checker {

// A file's lines as the checker reads them: UTF-8 when the bytes are valid
// UTF-8 (a leading byte-order mark dropped), else Windows-1252; CR LF, LF and
// a lone CR all end a line.
QStringList readLines(const QByteArray& bytes);

// A banner as installers recognise it: "#", dashes and "[ KEYWORD ]" with
// blanks allowed between and anything after the "]".
struct Banner {
    QString keyword;       // as written, trimmed
    QString normalized;    // upper case, commas gone, runs of blanks one blank
    int column = 1;        // where the keyword starts
    bool standard = false; // "#-----[ KEYWORD ]" and dashes, as the template writes it
};
std::optional<Banner> readBanner(QStringView line);
// Whether a line ends the script: "# EoM", case and the blank aside.
bool isEndMarker(QStringView line);
// Whether a line at either end of a block is an author's note (or the "#"
// frame), not content: empty, or beginning with "#".
bool isNote(QStringView line);
// A path as scripts write it: "\" read as "/", one leading "./" or "/" dropped.
QString scriptPath(QStringView path);

std::vector<Finding> checkScript(const std::vector<QStringView>& lines);
std::vector<Finding> checkScript(const QStringList& lines);
std::vector<Finding> checkScript(const LineStore& lines);

// The lines of a forum file by its path under the forum's folder, or
// nothing when there is no such file.
using ForumFiles = std::function<std::optional<QStringList>(const QString& path)>;
// Reads files from a folder, each once.
ForumFiles forumFolder(const QString& root);
// Every OPEN, FIND and IN-LINE FIND tried against the forum's files; no
// file of the forum is written.
std::vector<Finding> dryRun(const std::vector<QStringView>& lines, const ForumFiles& forum);
std::vector<Finding> dryRun(const QStringList& lines, const ForumFiles& forum);

} // namespace Checker
