// quillwright-check: the script checker on the command line, in the form
// compilers print, for editors and CI systems. Needs no display. The same
// as `quillwright-mod check`, under its short name.
#include "cli/CheckCommand.h"
#include "cli/CliCommon.h"

#include <QCoreApplication>

using namespace Quillwright;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Cli::useUserLanguage();
    QByteArrayList raw;
    for (int i = 1; i < argc; ++i)
        raw << QByteArray(argv[i]);
    return runCheck(QStringLiteral("quillwright-check"), QCoreApplication::arguments().mid(1), raw);
}
