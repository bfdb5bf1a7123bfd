#include "cli/WriteCommand.h"

#include "cli/CliCommon.h"
#include "core/writer/ScriptWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Quillwright {

using Cli::CliText;
using Cli::say;

namespace {

QString usage()
{
    return CliText::tr(
        "Usage: quillwright-mod write [-o FILE] ORIGINAL CHANGED\n"
        "\n"
        "Writes the MOD script that turns the forum in ORIGINAL into the one in CHANGED:\n"
        "an OPEN with FIND and AFTER, ADD, BEFORE, ADD, REPLACE WITH or IN-LINE actions for\n"
        "each changed file, COPY for new files, DIY INSTRUCTIONS for deleted and binary\n"
        "ones. The script is printed (or written to FILE) after it is proven: installed\n"
        "on ORIGINAL it gives CHANGED back byte for byte.\n"
        "\n"
        "Exit status: 0 when it installs back exactly, 1 when a file could not be\n"
        "expressed as actions (it is named on standard error and copied whole), 2 for\n"
        "bad usage.");
}

} // namespace

int runWrite(const QStringList& args)
{
    QString output;
    QStringList folders;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (options && a == u"--") {
            options = false;
        } else if (options && (a == u"--help" || a == u"-h")) {
            say(stdout, usage());
            return 0;
        } else if (options && (a == u"-o" || a == u"--output")) {
            if (++i == args.size()) {
                say(stderr, CliText::tr("quillwright-mod write: %1 needs a file").arg(a));
                return 2;
            }
            output = args[i];
        } else if (options && a.startsWith(QStringLiteral("--output="))) {
            output = a.mid(9);
        } else if (options && a.startsWith(u'-') && a.size() > 1) {
            say(stderr, CliText::tr("quillwright-mod write: unknown option %1").arg(a));
            say(stderr, usage());
            return 2;
        } else {
            folders << a;
        }
    }
    if (folders.size() != 2) {
        say(stderr, usage());
        return 2;
    }
    for (const QString& f : folders)
        if (!QFileInfo(f).isDir()) {
            say(stderr, CliText::tr("quillwright-mod write: %1 is not a folder").arg(f));
            return 2;
        }
    Writer::Options how;
    how.title = QFileInfo(folders[1]).fileName();
    const Writer::Written w =
        Writer::write(Writer::readTree(folders[0]), Writer::readTree(folders[1]), how);
    const QByteArray bytes = w.script.toUtf8();
    if (output.isEmpty() || output == u"-") {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    } else {
        QSaveFile file(output);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            say(stderr, CliText::tr("quillwright-mod write: %1 could not be written: %2")
                            .arg(output, file.errorString()));
            return 2;
        }
    }
    for (const QString& p : w.leftAlone)
        say(stderr,
            CliText::tr("%1: only line ends or blanks at line ends differ: left alone").arg(p));
    for (const QString& p : w.copiedWhole)
        say(stderr, CliText::tr("%1: no actions express these changes: the script copies the "
                                "whole file")
                        .arg(p));
    for (const QString& p : w.failed)
        say(stderr, CliText::tr("%1: the script does not install it back exactly").arg(p));
    return w.exact() ? 0 : 1;
}

} // namespace Quillwright
