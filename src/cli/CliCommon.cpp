#include "cli/CliCommon.h"

#include "core/frame/StringTable.h"

#include <QTranslator>

namespace Cli {

void useUserLanguage()
{
    static QTranslator french;
    if (StringTable::currentLanguage() == StringTable::Language::French &&
        french.load(QStringLiteral(":/i18n/quillwright_fr.qm")))
        QCoreApplication::installTranslator(&french);
}

} // namespace Cli
