#include "core/frame/CommandLine.h"

#include "core/script/ModFormat.h"

#include <QCoreApplication>

namespace Quillwright {

namespace CommandLine {

QString fileName(const QStringList& arguments)
{
    QString name = arguments.mid(1).join(QLatin1Char(' '));
    name.remove(QLatin1Char('"'));
    return name;
}

Request parse(const QStringList& arguments)
{
    Request r;
    if (arguments.size() == 2) {
        const QString& only = arguments[1];
        if (only == u"--help" || only == u"-h") {
            r.action = Action::Help;
            return r;
        }
        if (only == u"--version") {
            r.action = Action::Version;
            return r;
        }
    }
    if (arguments.size() >= 3 && arguments[1] == u"--forum") {
        r.forumFolder = arguments[2];
        r.fileName = fileName(QStringList{arguments[0]} + arguments.mid(3));
        return r;
    }
    r.fileName = fileName(arguments);
    return r;
}

QString usage()
{
    return QCoreApplication::translate(
        "CommandLine", "Usage: quillwright [--forum DIR] [FILE]\n"
                       "       quillwright --help | --version\n"
                       "\n"
                       "Edits phpBB2 MOD scripts. FILE is opened at start-up; every argument\n"
                       "is part of its name, so a name with blanks needs no quotes.\n"
                       "\n"
                       "  --forum DIR  check every FIND against the forum's files in DIR\n"
                       "  --help       show this text and exit\n"
                       "  --version    show the version and exit\n");
}

QString versionText()
{
    return ModFormat::programTitle() + QLatin1Char(' ') + ModFormat::versionNumber() +
           QLatin1Char('\n');
}

} // namespace CommandLine

} // namespace Quillwright
