#include "cli/WriteCommand.h"

#include "cli/CliCommon.h"
#include "core/writer/PackageArchive.h"
#include "core/writer/PackageFolder.h"
#include "core/writer/ScriptWriter.h"
#include "core/writer/UpgradeWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Quillwright {

using Cli::CliText;
using Cli::optionValue;
using Cli::OptionValue;
using Cli::say;

namespace {

QString usage()
{
    return CliText::tr(
        "Usage: quillwright-mod write [-o OUT] [--name SCRIPT] [--title TEXT] ORIGINAL CHANGED\n"
        "       quillwright-mod write --upgrade OLD_SCRIPT NEW_SCRIPT --forum DIR [-o OUT]\n"
        "\n"
        "Writes the MOD package that turns the forum in ORIGINAL into the one in CHANGED:\n"
        "a script with an OPEN and FIND and AFTER, ADD, BEFORE, ADD, REPLACE WITH or IN-LINE\n"
        "actions for each changed file, and beside it root/ with the files it copies (new\n"
        "files, pictures, files no action can change). It is written only after it is\n"
        "proven: installed on ORIGINAL it gives CHANGED back byte for byte.\n"
        "\n"
        "With --upgrade, both scripts are installed on the forum in DIR (each with the\n"
        "files beside it, or in the zip archive it came in) and the package is the\n"
        "upgrade from the first to the second, its header taken from the second.\n"
        "\n"
        "  -o OUT         a new or empty folder for the package (the script is SCRIPT in\n"
        "                 it, install.mod unless --name says); a name ending in .zip\n"
        "                 writes the same package as a zip archive; one ending in .mod or\n"
        "                 .txt writes the script alone; none prints the script alone\n"
        "  --title TEXT   the MOD's title (else a placeholder to fill in)\n"
        "\n"
        "Exit status: 0 when it installs back exactly, 1 when a file could not be said\n"
        "with actions (copied whole), the script alone could not carry a file, or it does\n"
        "not install back, each named on standard error; 2 for bad usage or when nothing\n"
        "could be written.");
}

int fail(const QString& message, bool withUsage = false)
{
    say(stderr, QStringLiteral("quillwright-mod write: ") + message);
    if (withUsage)
        say(stderr, usage());
    return 2;
}

bool scriptAlone(const QString& output)
{
    return output.isEmpty() || output == u"-" ||
           output.endsWith(QStringLiteral(".mod"), Qt::CaseInsensitive) ||
           output.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
}

bool zipArchive(const QString& output)
{
    return output.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
}

} // namespace

int runWrite(const QStringList& args)
{
    QString output;
    QString name = Writer::defaultScriptName();
    QString title;
    QString forum;
    bool upgrade = false;
    QStringList operands;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString missing;
        const auto value = [&](const QString& option, QString& into) {
            const OptionValue v = optionValue(args, i, option);
            if (v.missing)
                missing = option;
            else if (v.matched)
                into = v.value;
            return v.matched;
        };
        if (options && a == u"--") {
            options = false;
        } else if (options && (a == u"--help" || a == u"-h")) {
            say(stdout, usage());
            return 0;
        } else if (options && a == u"--upgrade") {
            upgrade = true;
        } else if (options && (value(QStringLiteral("-o"), output) ||
                               value(QStringLiteral("--output"), output) ||
                               value(QStringLiteral("--name"), name) ||
                               value(QStringLiteral("--title"), title) ||
                               value(QStringLiteral("--forum"), forum))) {
            if (!missing.isEmpty())
                return fail(CliText::tr("%1 needs a value").arg(missing), true);
        } else if (options && a.startsWith(u'-') && a.size() > 1) {
            return fail(CliText::tr("unknown option %1").arg(a), true);
        } else {
            operands << a;
        }
    }
    if (operands.size() != 2)
        return fail(upgrade ? CliText::tr("--upgrade needs the old and the new script")
                            : CliText::tr("it needs the original forum and the changed one"),
                    true);
    // Made absolute before anything else: every path below is read from them.
    for (QString& o : operands)
        o = QFileInfo(o).absoluteFilePath();
    if (!forum.isEmpty())
        forum = QFileInfo(forum).absoluteFilePath();
    if (upgrade == forum.isEmpty())
        return fail(upgrade ? CliText::tr("--upgrade needs --forum DIR, the forum both install on")
                            : CliText::tr("--forum goes with --upgrade"),
                    true);
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name == u"root")
        return fail(CliText::tr("--name is the script's file name in the package, without a "
                                "folder"),
                    true);

    Writer::Tree original;
    Writer::Tree changed;
    Writer::Options how;
    QStringList forums;
    if (upgrade) {
        if (!QFileInfo(forum).isDir())
            return fail(CliText::tr("%1 is not a folder").arg(forum));
        QString error;
        const auto from = Writer::readVersion(operands[0], error);
        const auto to = from ? Writer::readVersion(operands[1], error) : std::nullopt;
        if (!to)
            return fail(error);
        const Writer::Upgrade u = Writer::prepareUpgrade(*from, *to, Writer::readTree(forum));
        for (const QString& line : u.problems)
            say(stderr, line);
        for (const QString& line : u.toDo)
            say(stderr, line);
        if (!u.toDo.isEmpty())
            say(stderr, CliText::tr("quillwright-mod write: what the new version leaves to do by "
                                    "hand is not part of the upgrade: add what it needs"));
        original = u.from;
        changed = u.to;
        how = u.options;
        forums << forum;
    } else {
        for (const QString& f : operands)
            if (!QFileInfo(f).isDir())
                return fail(CliText::tr("%1 is not a folder").arg(f));
        original = Writer::readTree(operands[0]);
        changed = Writer::readTree(operands[1]);
        forums = operands;
    }
    if (!title.isEmpty())
        how.title = title;
    how.package = !scriptAlone(output);
    if (how.package)
        if (const QString unfit = zipArchive(output)
                                      ? Writer::unfitPackageArchive(output, forums)
                                      : Writer::unfitPackageFolder(output, forums, false);
            !unfit.isEmpty())
            return fail(unfit);
    const Writer::Written w = Writer::write(original, changed, how);
    if (!w.refused.isEmpty())
        return fail(w.refused);
    if (how.package && zipArchive(output)) {
        // The carried files keep their modes and times when the changed forum is a folder.
        if (const QString error = Writer::writePackageArchive(output, name, w, original, changed,
                                                              upgrade ? QString() : operands[1]);
            !error.isEmpty())
            return fail(error);
    } else if (how.package) {
        if (const QString error = Writer::writePackage(output, name, w, changed); !error.isEmpty())
            return fail(error);
    } else if (output.isEmpty() || output == u"-") {
        const QByteArray bytes = w.bytes();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    } else {
        QSaveFile file(output);
        const QByteArray bytes = w.bytes();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return fail(CliText::tr("%1 could not be written: %2").arg(output, file.errorString()));
    }
    for (const QString& p : w.leftAlone)
        say(stderr, CliText::tr("%1: only line ends differ: left alone").arg(p));
    for (const QString& p : w.copiedWhole)
        say(stderr, CliText::tr("%1: no actions express these changes: the script copies the "
                                "whole file")
                        .arg(p));
    for (const QString& p : w.notCarried)
        say(stderr, CliText::tr("%1: the script alone cannot carry this file: it copies it from "
                                "root/%1, which a package holds")
                        .arg(p));
    for (const QString& p : w.failed)
        say(stderr, CliText::tr("%1: the script does not install it back exactly").arg(p));
    return w.exact() ? 0 : 1;
}

} // namespace Quillwright
