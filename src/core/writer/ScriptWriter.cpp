#include "core/writer/ScriptWriter.h"
#include "core/script/HeaderPlaceholders.h"
#include "core/writer/WriterText.h"

#include "core/install/ForumTextFile.h"
#include "core/install/ModInstaller.h"
#include "core/script/ModFormat.h"
#include "core/script/ModReader.h"
#include "core/writer/FileActions.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace Quillwright {

namespace Writer {
namespace {

int category(const QString& path)
{
    if (!path.contains(u'/'))
        return 0;
    for (const auto& [prefix, rank] :
         {std::pair{"includes/", 1}, {"admin/", 2}, {"language/", 3}, {"templates/", 4}})
        if (path.startsWith(QLatin1String(prefix)))
            return rank;
    return 5;
}

bool isMarkup(const QString& path)
{
    const QString lower = path.toLower();
    return lower.endsWith(QStringLiteral(".tpl")) || lower.endsWith(QStringLiteral(".htm")) ||
           lower.endsWith(QStringLiteral(".html"));
}

void append(QStringList& out, const QString& keyword, const QStringList& content)
{
    out << ModFormat::bannerBlock(keyword) << content;
}

// Why a script cannot name a file: the installer would read its line as
// another path, or the line would break. Empty when it can.
QString unnameable(const QString& path)
{
    for (const QChar c : path) {
        if (c == u'\n' || c == u'\r')
            return tr("it holds a line break");
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return tr("it holds a control character");
    }
    if (path.trimmed() != path)
        return tr("it begins or ends with a blank");
    if (path.contains(u'\\'))
        return tr("it holds a backslash, which installers read as a folder separator");
    return QString();
}

// A header list: the first name on the label's line, each other on a line
// of its own below it.
QStringList listLines(const QString& label, const QStringList& names)
{
    if (names.isEmpty())
        return {label + QStringLiteral("n/a")};
    QStringList out;
    const QString indent = QStringLiteral("##") + QString(label.size() - 2, u' ');
    for (qsizetype i = 0; i < names.size(); ++i)
        out << (i == 0 ? label : indent) + names[i] +
                   (i + 1 < names.size() ? QStringLiteral(",") : QString());
    return out;
}

struct Lists {
    QStringList edited;
    QStringList copied;
    int actions = 0;
};

// The header in the words of the community's scripts.
QStringList newHeader(const Options& o, const Lists& l)
{
    const auto orElse = [](const QString& value, const QString& placeholder) {
        return value.trimmed().isEmpty() ? placeholder : value;
    };
    const QString sep = QString(62, u'#');
    const int files = int(l.edited.size() + l.copied.size());
    const QString level = files <= 3 && l.actions <= 20    ? QStringLiteral("Easy")
                          : files <= 10 && l.actions <= 80 ? QStringLiteral("Intermediate")
                                                           : QStringLiteral("Advanced");
    const int minutes = std::max(1, (l.actions + 2) / 3 + int(l.copied.size()) / 2);
    QStringList h = {
        sep,
        ModFormat::modTitleLabel() + orElse(o.title, HeaderPlaceholders::title()),
        ModFormat::modAuthorLabel() + orElse(o.author, HeaderPlaceholders::authorLine()),
        ModFormat::modDescriptionLabel() + orElse(o.description, HeaderPlaceholders::description()),
        ModFormat::modVersionLabel() + orElse(o.version, QStringLiteral("1.0.0")),
        ModFormat::emptyCommentLine(),
        ModFormat::levelLabel() + level,
        ModFormat::timeLabel() + (minutes == 1 ? tr("1 Minute") : tr("%1 Minutes").arg(minutes)),
    };
    h << listLines(ModFormat::filesToEditLabel(), l.edited)
      << listLines(ModFormat::includedFilesLabel(), l.copied) << ModFormat::generatorLine()
      << QStringLiteral("## License: http://opensource.org/licenses/gpl-license.php GNU General "
                        "Public License v2")
      << sep << ModFormat::securityNoticeLine1() << ModFormat::securityNoticeLine2()
      << ModFormat::securityNoticeLine3() << ModFormat::securityNoticeLine4() << sep
      << ModFormat::authorNotesLabel().trimmed() << sep
      << QStringLiteral("## ") + ModFormat::backupNotice() << sep;
    return h;
}

// The author's header kept, with the fields given put in and the two lists
// written again (their continuation lines dropped).
QStringList keptHeader(const Options& o, const Lists& l)
{
    QStringList h;
    bool dropping = false; // the continuation lines of a list written again
    for (const QString& line : o.header) {
        const auto label = ModReader::headerLabel(line);
        if (const auto comment = ModFormat::afterCommentMark(line); dropping && !label && comment) {
            const QStringView rest = comment->trimmed();
            if (!rest.isEmpty() && !rest.startsWith(u'#'))
                continue;
        }
        dropping = false;
        if (!label) {
            h << line;
            continue;
        }
        const QString prefix = line.left(line.indexOf(u':') + 1) + u' ';
        const auto put = [&](const QString& value) { h << prefix + value; };
        if (label->first == u"files to edit") {
            h << listLines(prefix, l.edited);
            dropping = true;
        } else if (label->first == u"included files") {
            h << listLines(prefix, l.copied);
            dropping = true;
        } else if (label->first == u"title" && !o.title.isEmpty()) {
            put(o.title);
        } else if (label->first == u"version" && !o.version.isEmpty()) {
            put(o.version);
        } else if (label->first == u"author" && !o.author.isEmpty()) {
            put(o.author);
        } else if (label->first == u"description" && !o.description.isEmpty()) {
            put(o.description);
        } else {
            h << line;
        }
    }
    return h;
}

QStringList texts(const ForumTextFile& f)
{
    QStringList out;
    for (const ForumTextFile::Line& l : f.lines)
        out << l.text;
    return out;
}

bool isAscii(const QStringList& lines)
{
    for (const QString& l : lines)
        for (const QChar c : l)
            if (c.unicode() > 0x7f)
                return false;
    return true;
}

// The changes, file by file, as the script says them.
struct Changes {
    Lists lists; // the files the actions edit, and those root/ carries
    QStringList gone;
    std::map<QString, std::vector<Block>, decltype(&pathOrder)> actions{&pathOrder};
    // Which encoding the quoted text needs: files whose changes hold
    // characters beyond ASCII, by their own encoding.
    int utf8 = 0;
    int latin = 0;
};

// Every path that differs between the trees, sorted into what the script
// says of it; files that differ in line ends alone go to `leftAlone`. Why a
// path cannot be written, or nothing.
QString sortChanges(const Tree& original, const Tree& changed, Changes& c, QStringList& leftAlone)
{
    QStringList paths = original.keys() + changed.keys();
    std::sort(paths.begin(), paths.end(), pathOrder);
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    for (const QString& path : paths) {
        const bool had = original.contains(path);
        const bool has = changed.contains(path);
        if (had && has && original[path] == changed[path])
            continue;
        if (const QString why = unnameable(path); !why.isEmpty())
            return tr("%1: a script cannot name this file: %2. Rename it and write again.")
                .arg(visiblePath(path), why);
        if (!had) {
            c.lists.copied << path;
            continue;
        }
        if (!has) {
            c.gone << path;
            continue;
        }
        const std::optional<ForumTextFile> was = ForumTextFile::decode(original[path]);
        const std::optional<ForumTextFile> now = ForumTextFile::decode(changed[path]);
        if (!was || !now) {
            c.lists.copied << path; // a picture or another binary file: root/ carries it
            continue;
        }
        const QStringList before = texts(*was);
        const QStringList after = texts(*now);
        if (before == after) {
            leftAlone << path;
            continue;
        }
        std::vector<Block> said = fileActions(before, after, isMarkup(path));
        bool plain = true;
        for (const Block& b : said)
            plain = plain && isAscii(b.content);
        if (!plain)
            ++(now->encoding == TextEncoding::Windows1252 ? c.latin : c.utf8);
        c.actions[path] = std::move(said);
        c.lists.edited << path;
    }
    return QString();
}

// The script of the changes, and the encoding it is written in.
void compose(const Changes& c, const Options& options, Written& w)
{
    Lists lists = c.lists;
    for (const auto& [path, blocks] : c.actions)
        lists.actions += 1 + int(blocks.size());
    QStringList out =
        options.header.isEmpty() ? newHeader(options, lists) : keptHeader(options, lists);
    w.actions = 0;
    const auto action = [&](const QString& keyword, const QStringList& content) {
        append(out, keyword, content);
        ++w.actions;
    };
    // One line a file, as `line` says it.
    const auto perFile = [](const QStringList& paths, const auto& line) {
        QStringList lines;
        for (const QString& p : paths)
            lines << line(p);
        return lines;
    };
    for (const QString& path : lists.edited) {
        action(QStringLiteral("OPEN"), {path});
        for (const Block& b : c.actions.at(path))
            action(b.keyword, b.content);
    }
    if (!lists.copied.isEmpty())
        action(QStringLiteral("COPY"), perFile(lists.copied, [](const QString& p) {
                   return QStringLiteral("copy root/%1 to %1").arg(p);
               }));
    if (!c.gone.isEmpty())
        action(QStringLiteral("DIY INSTRUCTIONS"), perFile(c.gone, [](const QString& p) {
                   return tr("Delete the file %1 from the forum.").arg(p);
               }));
    append(out, QStringLiteral("SAVE/CLOSE ALL FILES"), {ModFormat::endOfMod()});
    w.script = out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    // Windows-1252 unless the quoted files are UTF-8, or the text needs it.
    w.encoding = c.utf8 > c.latin ? TextEncoding::Utf8 : TextEncoding::Windows1252;
    if (w.encoding == TextEncoding::Windows1252 &&
        (encodeText(w.script, w.encoding).unmappable > 0 || decodeText(w.bytes()).text != w.script))
        w.encoding = TextEncoding::Utf8;
}

// The script's proof: read back from the bytes written, it is installed on
// the original with the package's root/ beside it. The files it does not
// give as the changed tree has them.
QStringList installsBackWrong(const Tree& original, const Tree& changed, const Changes& c,
                              const Options& options, const Written& w)
{
    const QStringList carried = options.package ? c.lists.copied : QStringList();
    const QString root = QStringLiteral("root/");
    const FileTree package = [&](const QString& p) -> std::optional<QByteArray> {
        const QString path = p.startsWith(root) ? p.sliced(root.size()) : QString();
        return carried.contains(path) ? std::optional(changed[path]) : std::nullopt;
    };
    return installedWrong(
        original, changed,
        {QStringLiteral("install.mod"), ModReader::readLines(w.bytes()), package, {}},
        c.lists.edited + c.lists.copied);
}

} // namespace

QByteArray Written::bytes() const
{
    return encodeText(script, encoding).bytes;
}

bool pathOrder(const QString& a, const QString& b)
{
    const int ca = category(a);
    const int cb = category(b);
    return ca != cb ? ca < cb : a < b;
}

QString visiblePath(const QString& path)
{
    QString out;
    for (const QChar c : path) {
        if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

Tree readTree(const QString& folder)
{
    // Absolute, so that every path is relative to the folder itself.
    const QString root = QFileInfo(folder).absoluteFilePath();
    Tree tree;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isSymLink())
            continue;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            tree.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return tree;
}

Written write(const Tree& original, const Tree& changed, const Options& options)
{
    Written w;
    Changes c;
    w.refused = sortChanges(original, changed, c, w.leftAlone);
    if (!w.refused.isEmpty())
        return w;
    compose(c, options, w);
    // What actions could not say is copied whole, and said so.
    for (const QString& p : installsBackWrong(original, changed, c, options, w)) {
        if (!c.lists.edited.contains(p))
            continue;
        c.lists.edited.removeAll(p);
        c.actions.erase(p);
        c.lists.copied << p;
        w.copiedWhole << p;
    }
    std::sort(c.lists.copied.begin(), c.lists.copied.end(), pathOrder);
    if (!w.copiedWhole.isEmpty())
        compose(c, options, w);
    w.failed = installsBackWrong(original, changed, c, options, w);
    w.edited = c.lists.edited;
    if (options.package) {
        w.carried = c.lists.copied;
    } else {
        // The script alone cannot carry them: they are named, not failures of the actions.
        w.notCarried = c.lists.copied;
        for (const QString& p : c.lists.copied)
            w.failed.removeAll(p);
    }
    w.files = int(c.lists.edited.size() + c.lists.copied.size() + c.gone.size());
    return w;
}

QStringList installedWrong(const Tree& original, const Tree& changed, const Install::Script& script,
                           const QStringList& paths)
{
    const FileTree forum = [&original](const QString& p) -> std::optional<QByteArray> {
        return original.contains(p) ? std::optional(original[p]) : std::nullopt;
    };
    const Install::Result r = Install::install({script}, forum);
    QStringList out;
    for (const QString& p : paths) {
        const auto f = std::find_if(r.files.begin(), r.files.end(),
                                    [&p](const Install::ChangedFile& c) { return c.path == p; });
        if (f == r.files.end() || f->result != changed[p])
            out << p;
    }
    return out;
}

} // namespace Writer

} // namespace Quillwright
