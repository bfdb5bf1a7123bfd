#include "cli/CliCommon.h"

#include "core/frame/StringTable.h"
#include "core/package/ModArchive.h"
#include "core/script/ModReader.h"

#include <QFileInfo>

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

NamedScript readNamedScript(const QString& name, const QByteArray& bytes, const QString& wanted)
{
    NamedScript out;
    QByteArray text = bytes;
    out.name = name;
    if (ModArchive::looksLikeArchive(bytes)) {
        const ModArchive::Package package = ModArchive::read(bytes);
        if (!package.error.isEmpty()) {
            out.error = package.error;
            return out;
        }
        const ModArchive::Choice choice = ModArchive::chooseScript(package, wanted);
        if (choice.script.isEmpty()) {
            const QString list = (wanted.isEmpty() || choice.ambiguous.isEmpty() ? package.scripts
                                                                                 : choice.ambiguous)
                                     .join(QStringLiteral(", "));
            if (!wanted.isEmpty() && choice.ambiguous.isEmpty())
                out.error = CliText::tr("the archive has no %1; its MOD scripts: %2")
                                .arg(wanted, list.isEmpty() ? CliText::tr("none") : list);
            else if (list.isEmpty())
                out.error = CliText::tr("the archive holds no MOD script");
            else
                out.error = CliText::tr("the archive holds several MOD scripts: %1; name one "
                                        "with --script NAME")
                                .arg(list);
            return out;
        }
        const ModArchive::Script script = ModArchive::openScript(package, choice.script);
        out.name = name + u'/' + script.path;
        out.package = script.package;
        text = script.bytes;
    } else {
        out.package = packageOnDisk(QFileInfo(name).absolutePath());
    }
    QString refusal;
    out.lines = ModReader::readLines(text, &out.encoding, &refusal);
    if (!refusal.isEmpty()) {
        out = NamedScript{};
        out.error = refusal;
    }
    return out;
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
