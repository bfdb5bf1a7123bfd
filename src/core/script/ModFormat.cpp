#include "core/script/ModFormat.h"

#include "core/Version.h"

namespace Quillwright {

namespace ModFormat {

QString programTitle()
{
    return QString::fromLatin1(Version::ProgramTitle);
}

QString versionNumber()
{
    return QStringLiteral("%1.%2.%3")
        .arg(Version::Major)
        .arg(Version::Minor)
        .arg(Version::Revision);
}

QString versionLine()
{
    return QStringLiteral("Version ") + versionNumber();
}

QString generatorLine()
{
    return generatorLabel() + programTitle() + QLatin1Char(' ') + versionNumber();
}

QString modDatabaseUrl()
{
    return QStringLiteral("http://www.phpbb.com/mods/downloads/");
}
QString supportTopicUrl()
{
    return QStringLiteral("http://www.phpbb.com/phpBB/viewtopic.php?p=100382");
}
QString forumSearchUrl()
{
    return QStringLiteral("http://www.phpbb.com/phpBB/search.php");
}

QString programSeparator()
{
    return QString(65, QLatin1Char('#'));
}
QString programSeparatorBlank()
{
    return programSeparator() + QLatin1Char(' ');
}
QString noticeSeparator()
{
    return QString(62, QLatin1Char('#')) + QLatin1Char(' ');
}
QString emptyCommentLine()
{
    return QStringLiteral("##");
}
std::optional<QStringView> afterCommentMark(QStringView line)
{
    static const QString mark = emptyCommentLine();
    if (!line.startsWith(mark))
        return std::nullopt;
    return line.sliced(mark.size());
}
QString withoutModPrefix(QString label)
{
    static const QString prefix = QStringLiteral("mod ");
    if (label.startsWith(prefix))
        label.remove(0, prefix.size());
    return label;
}

QString securityNoticeLine1()
{
    return QStringLiteral("## For Security Purposes, Please Check: ") + modDatabaseUrl() +
           QStringLiteral(" for the");
}
QString securityNoticeLine2()
{
    return QStringLiteral("## latest version of this MOD. Downloading this MOD from other sites "
                          "could cause malicious code");
}
QString securityNoticeLine3()
{
    return QStringLiteral("## to enter into your phpBB Forum. As such, phpBB will not offer "
                          "support for MOD's not offered");
}
QString securityNoticeLine4()
{
    return QStringLiteral("## in our MOD-Database, located at: ") + modDatabaseUrl();
}
QString backupNotice()
{
    return QStringLiteral("Before Adding This MOD To Your Forum, You Should Back Up All Files "
                          "Related To This MOD");
}

QString titleLabel()
{
    return QStringLiteral("## Mod Title: ");
}
QString versionLabel()
{
    return QStringLiteral("## Mod Version: ");
}
QString authorLabel()
{
    return QStringLiteral("## Author: ");
}
QString descriptionLabel()
{
    return QStringLiteral("## Description: ");
}
QString levelLabel()
{
    return QStringLiteral("## Installation Level: ");
}
QString timeLabel()
{
    return QStringLiteral("## Installation Time: ");
}
QString filesToEditLabel()
{
    return QStringLiteral("## Files To Edit: ");
}
QString includedFilesLabel()
{
    return QStringLiteral("## Included Files: ");
}
QString generatorLabel()
{
    return QStringLiteral("## Generator: ");
}
QString authorNoteLabel()
{
    return QStringLiteral("## Author Note: ");
}
QString authorNotesLabel()
{
    return QStringLiteral("## Author Notes: ");
}

QString modTitleLabel()
{
    return QStringLiteral("## MOD Title: ");
}
QString modAuthorLabel()
{
    return QStringLiteral("## MOD Author: ");
}
QString modDescriptionLabel()
{
    return QStringLiteral("## MOD Description: ");
}
QString modVersionLabel()
{
    return QStringLiteral("## MOD Version: ");
}

QString bannerOpening()
{
    return QStringLiteral("#-----[ ");
}
QString bannerClosing()
{
    return QStringLiteral(" ]") + QString(42, QLatin1Char('-'));
}
QStringList bannerBlock(const QString& keyword)
{
    const QString frame = QStringLiteral("#");
    return {frame, bannerOpening() + keyword + bannerClosing(), frame};
}
QString bannerKeywordEnd()
{
    return QStringLiteral(" ]---");
}
std::optional<LiteralBanner> literalBanner(QStringView line)
{
    static const QString opening = bannerOpening();
    static const QString end = bannerKeywordEnd();
    if (!line.startsWith(opening))
        return std::nullopt;
    const QStringView rest = line.sliced(opening.size());
    const qsizetype at = rest.indexOf(end);
    return at < 0 ? LiteralBanner{rest, false} : LiteralBanner{rest.left(at), true};
}
QString endOfMod()
{
    return QStringLiteral("# EoM");
}
QString endOfModTight()
{
    return QStringLiteral("#EoM");
}

const QStringList& builderKeywords()
{
    static const QStringList keywords = {
        QStringLiteral("OPEN"),
        QStringLiteral("FIND"),
        QStringLiteral("AFTER, ADD"),
        QStringLiteral("BEFORE, ADD"),
        QStringLiteral("REPLACE WITH"),
        QStringLiteral("OR"),
        QStringLiteral("IN-LINE FIND"),
        QStringLiteral("IN-LINE AFTER, ADD"),
        QStringLiteral("IN-LINE REPLACE WITH"),
        QStringLiteral("CREATE"),
        QStringLiteral("DELETE"),
        QStringLiteral("SQL"),
        QStringLiteral("PSEUDO mySQL"),
        QStringLiteral("COPY TO FOLDER"),
        QStringLiteral("SAVE/CLOSE ALL FILES"),
    };
    return keywords;
}

const QStringList& outlineOnlyKeywords()
{
    static const QStringList keywords = {QStringLiteral("IN-LINE BEFORE, ADD"),
                                         QStringLiteral("REPLACE")};
    return keywords;
}

QStringList templateLines()
{
    const QString sep = programSeparator();
    return {
        sep,
        titleLabel(),
        versionLabel() + QStringLiteral("1.0.0"),
        authorLabel(),
        descriptionLabel(),
        emptyCommentLine(),
        levelLabel() + QStringLiteral("easy"),
        timeLabel() + QStringLiteral("1 minute"),
        filesToEditLabel(),
        includedFilesLabel() + QStringLiteral("n/a"),
        generatorLine(),
        sep,
        QStringLiteral("## This MOD is released under the GPL License."),
        QStringLiteral("## Intellectual Property is retained by the MOD Author(s) listed above"),
        sep,
        securityNoticeLine1(),
        securityNoticeLine2(),
        securityNoticeLine3(),
        securityNoticeLine4(),
        sep,
        emptyCommentLine(),
        authorNoteLabel(),
        sep,
        QStringLiteral("## ") + backupNotice(),
        sep,
    };
}

QString defaultTemplate()
{
    QString text;
    for (const QString& line : templateLines())
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace ModFormat

} // namespace Quillwright
