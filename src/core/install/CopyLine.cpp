#include "core/install/CopyLine.h"

#include "core/script/ForumPaths.h"
#include "core/script/ModReader.h"

#include <QRegularExpression>

namespace Quillwright {

namespace Install {
namespace {

bool hasWildcard(QStringView part)
{
    return part.contains(u'*') || part.contains(u'?');
}

// "/", "\" and "./" alone: the forum's (or the package's) top folder.
bool isTop(const QString& written)
{
    const QString t = written.trimmed();
    return t == u"/" || t == u"\\" || t == u"./" || t == u".\\" || t == u".";
}

QString parentOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.first(slash);
}

QString nameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString joined(const QString& folder, const QString& name)
{
    return folder.isEmpty() ? name : folder + u'/' + name;
}

// A pattern's names, without case as on the systems the authors used.
bool matchesName(const QString& pattern, const QString& name)
{
    QString re;
    for (const QChar c : pattern)
        re += c == u'*'   ? QStringLiteral(".*")
              : c == u'?' ? QStringLiteral(".")
                          : QRegularExpression::escape(QString(c));
    return QRegularExpression(QRegularExpression::anchoredPattern(re),
                              QRegularExpression::CaseInsensitiveOption)
        .match(name)
        .hasMatch();
}

// The files a source names in one folder of the package (`at`): "" when it
// has none there.
std::vector<std::pair<QString, QString>> lookUp(const FileTree& package, const QString& at,
                                                const QString& from, std::optional<QString> folder,
                                                const QString& to)
{
    std::vector<std::pair<QString, QString>> out;
    const QString path = joined(at, from);
    QString base = parentOf(path);
    const QString pattern = nameOf(from);
    if (hasWildcard(pattern) || package.isFolder(path)) {
        const bool whole = !hasWildcard(pattern) || pattern == u"*" || pattern == u"*.*";
        if (!hasWildcard(pattern))
            base = path;
        if (!folder) // "copy icons/*.gif to images/icons": a folder, made if need be
            folder = to;
        for (const QString& file : package.filesUnder(base)) {
            const QString below = base.isEmpty() ? file : file.mid(base.size() + 1);
            if (whole || (!below.contains(u'/') && matchesName(pattern, below)))
                out.emplace_back(file, joined(*folder, below));
        }
    } else if (package.read(path)) {
        out.emplace_back(path, folder ? joined(*folder, pattern) : to);
    }
    return out;
}

// "../../": from `folder` up to `above`, one of the folders that hold it.
QString upTo(const QString& folder, const QString& above)
{
    const qsizetype levels = folder.count(u'/') + 1 - (above.isEmpty() ? 0 : above.count(u'/') + 1);
    return QStringLiteral("../").repeated(levels);
}

} // namespace

CopyLine readCopyLine(QStringView line, const FileTree& package, const QString& scriptFolder,
                      const FileTree& forum,
                      const std::function<bool(const QString& path)>& isForumFolder)
{
    CopyLine out;
    const std::optional<std::pair<QString, QString>> written = ModReader::copyLine(line);
    if (!written)
        return out;
    std::tie(out.source, out.target) = *written;
    if (!isTop(out.target) && !ForumPaths::isConfined(out.target)) {
        out.verdict = CopyLine::Verdict::TargetOutside;
        return out;
    }
    const QString from = ModReader::scriptPath(out.source);
    if (!ForumPaths::isConfined(out.source)) {
        out.verdict = CopyLine::Verdict::SourceOutside;
        return out;
    }
    QString to = isTop(out.target) ? QString() : ModReader::scriptPath(out.target);
    if (hasWildcard(parentOf(from)) || hasWildcard(parentOf(to)))
        return out; // "*" in a folder's name says nothing an installer can follow
    // The folder the target names, when it names one.
    std::optional<QString> folder;
    if (to.isEmpty() || to.endsWith(u'/'))
        folder = to.endsWith(u'/') ? to.chopped(1) : to;
    else if (hasWildcard(nameOf(to)))
        folder = parentOf(to);
    else if (isForumFolder(to))
        folder = to;

    // Beside the script first, then in the folders above it, up to the
    // package's top: a script in contrib/ copies what the package holds.
    for (QString at = scriptFolder;; at = parentOf(at)) {
        if (package.leaves(joined(at, from))) {
            out.verdict = CopyLine::Verdict::SourceOutside;
            return out;
        }
        out.files = lookUp(package, at, from, folder, to);
        if (!out.files.empty()) {
            if (at != scriptFolder)
                out.takenFrom = upTo(scriptFolder, at) + from;
            break;
        }
        if (at.isEmpty())
            break;
    }
    if (out.files.empty()) {
        out.verdict = CopyLine::Verdict::SourceMissing;
        return out;
    }
    for (const auto& [source, target] : out.files)
        if (package.leaves(source)) {
            out.verdict = CopyLine::Verdict::SourceOutside;
            out.source = source;
            out.files.clear();
            return out;
        }
    for (const auto& [source, target] : out.files)
        if (forum.leaves(target)) {
            out.verdict = CopyLine::Verdict::TargetOutside;
            out.target = target;
            out.files.clear();
            return out;
        }
    out.verdict = CopyLine::Verdict::Copy;
    return out;
}

} // namespace Install

} // namespace Quillwright
