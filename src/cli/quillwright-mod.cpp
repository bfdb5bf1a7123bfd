// quillwright-mod: MOD scripts on the command line, one tool with
// subcommands as git has them: check, diff, install. Needs no display.
#include "cli/CheckCommand.h"
#include "cli/CliCommon.h"
#include "cli/InstallCommands.h"
#include "cli/WriteCommand.h"
#include "core/script/ModFormat.h"

#include <QCoreApplication>

using namespace Quillwright;

using Cli::CliText;
using Cli::say;

namespace {

QString usage()
{
    return CliText::tr("Usage: quillwright-mod COMMAND [OPTIONS] ...\n"
                       "\n"
                       "  check    check scripts against the MOD template (as quillwright-check)\n"
                       "  diff     show what scripts change in a forum, as a unified diff\n"
                       "  install  write a copy of a forum with the scripts installed\n"
                       "  write    write the script of the changes between two forums\n"
                       "\n"
                       "quillwright-mod COMMAND --help says more of each.");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Cli::useUserLanguage();
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);
    const QStringList rest = args.mid(1);
    if (command == u"check") {
        QByteArrayList raw;
        for (int i = 2; i < argc; ++i)
            raw << QByteArray(argv[i]);
        return runCheck(QStringLiteral("quillwright-mod check"), rest, raw);
    }
    if (command == u"diff")
        return runDiff(rest);
    if (command == u"install")
        return runInstall(rest);
    if (command == u"write")
        return runWrite(rest);
    if (command == u"--version") {
        say(stdout, QStringLiteral("quillwright-mod ") + ModFormat::versionNumber());
        return 0;
    }
    if (command == u"--help" || command == u"-h" || command == u"help") {
        say(stdout, usage());
        return 0;
    }
    say(stderr,
        command.isEmpty()
            ? usage()
            : CliText::tr("quillwright-mod: %1 is not a command").arg(command) + u'\n' + usage());
    return 2;
}
