#include "cli/CliCommon.h"

#include "core/frame/StringTable.h"

#include <QTranslator>

namespace Quillwright {

namespace Cli {

OptionValue optionValue(const QStringList& args, qsizetype& i, const QString& name)
{
    const QString& a = args[i];
    if (a.startsWith(name + u'='))
        return {true, false, a.sliced(name.size() + 1)};
    if (a != name)
        return {};
    if (++i == args.size())
        return {true, true, QString()};
    return {true, false, args[i]};
}

void useUserLanguage()
{
    static QTranslator french;
    if (StringTable::currentLanguage() == StringTable::Language::French &&
        french.load(QStringLiteral(":/i18n/quillwright_fr.qm")))
        QCoreApplication::installTranslator(&french);
}

} // namespace Cli

} // namespace Quillwright
