#include "core/writer/UpgradeWriter.h"

#include "core/install/ForumFolder.h"
#include "core/install/InstallReport.h"
#include "core/package/ModArchive.h"
#include "core/package/ScriptPackage.h"
#include "core/script/ModReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Quillwright {

namespace Writer {
namespace {

// A header field of the script as written ("title", "version", ...).
QString field(const QStringList& lines, const QString& label)
{
    for (const QString& line : lines) {
        if (ModReader::readBanner(line))
            break;
        if (const auto l = ModReader::headerLabel(line); l && l->first == label)
            return l->second.toString();
    }
    return QString();
}

} // namespace

std::optional<Install::Script> readVersion(const QString& path, QString& error)
{
    const auto refuse = [&](const QString& why) {
        error = QCoreApplication::translate("Writer", "%1 cannot be read: %2")
                    .arg(QDir::toNativeSeparators(path), why);
        return std::nullopt;
    };
    QFile f(path);
    const QFileInfo info(path);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly))
        return refuse(info.isDir() ? QCoreApplication::translate("Writer", "it is a folder")
                      : !info.exists()
                          ? QCoreApplication::translate("Writer", "there is no such file")
                          : f.errorString());
    QByteArray bytes = f.readAll();
    QString name = info.fileName();
    ScriptPackage package = packageOnDisk(info.absolutePath());
    // A version as it was published: its zip, with the script named install in it.
    if (ModArchive::looksLikeArchive(bytes)) {
        const ModArchive::Package archive = ModArchive::read(bytes);
        if (!archive.error.isEmpty())
            return refuse(archive.error);
        const ModArchive::Choice choice = ModArchive::chooseScript(archive);
        if (choice.script.isEmpty())
            return refuse(
                choice.ambiguous.isEmpty()
                    ? QCoreApplication::translate("Writer", "the archive holds no MOD script")
                    : QCoreApplication::translate("Writer",
                                                  "the archive holds several MOD scripts and "
                                                  "none is named install: %1")
                          .arg(choice.ambiguous.join(QStringLiteral(", "))));
        const ModArchive::Script script = ModArchive::openScript(archive, choice.script);
        name += u'/' + script.path;
        bytes = script.bytes;
        package = script.package;
    }
    QString refusal;
    const QStringList lines = ModReader::readLines(bytes, nullptr, &refusal);
    if (!refusal.isEmpty())
        return refuse(refusal);
    return Install::Script{name, lines, package.files, package.folder};
}

QStringList headerOf(const QStringList& lines)
{
    const std::vector<QStringView> views(lines.begin(), lines.end());
    const ModReader::Script read = ModReader::read(views);
    int end = read.actions.empty() ? int(lines.size()) : read.actions.front().bannerLine;
    while (end > 0 && lines[end - 1].trimmed() == u"#")
        --end;
    return lines.mid(0, end);
}

Upgrade prepareUpgrade(const Install::Script& from, const Install::Script& to, const Tree& forum)
{
    Upgrade u;
    const FileTree files = [&forum](const QString& p) -> std::optional<QByteArray> {
        return forum.contains(p) ? std::optional(forum[p]) : std::nullopt;
    };
    const auto installed = [&](const Install::Script& script, bool keepToDo) {
        const Install::Result r = Install::install({script}, files);
        Tree tree = forum;
        for (const Install::ChangedFile& f : r.files)
            tree.insert(f.path, f.result);
        for (const Install::Finding& f : r.findings)
            if (f.finding.severity == Checker::Severity::Error)
                u.problems << Checker::compilerLine(script.name, f.finding);
        if (keepToDo)
            for (const Install::ToDo& t : r.todo)
                if (t.kind != u"copy")
                    u.toDo << Install::reportLines({script}, {{}, {}, {}, {t}, {}}).value(0);
        return tree;
    };
    u.from = installed(from, false);
    u.to = installed(to, true);

    const QString title = field(to.lines, QStringLiteral("title"));
    const QString was = field(from.lines, QStringLiteral("version"));
    const QString now = field(to.lines, QStringLiteral("version"));
    u.options.header = headerOf(to.lines);
    // In English, as the MOD database titles every upgrade.
    u.options.title = QStringLiteral("%1 upgrade from %2 to %3")
                          .arg(title.isEmpty() ? QStringLiteral("The MOD") : title,
                               was.isEmpty() ? from.name : was, now.isEmpty() ? to.name : now);
    u.options.version = now;
    return u;
}

} // namespace Writer

} // namespace Quillwright
