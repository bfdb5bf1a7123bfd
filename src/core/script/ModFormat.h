#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace Quillwright {

// Every literal of the MOD script text format. Scripts are understood by
// substring search, so these texts are the contract between the parts of
// the program: a label that differs by one blank is not recognised.
namespace ModFormat {

QString programTitle();  // "Quillwright"
QString versionNumber(); // major.minor.revision, from Version.h
QString versionLine();   // "Version " and the number
QString generatorLine(); // "## Generator: Quillwright " and the number

// The MOD database download page: the security notice, Publish and the
// Generator upkeep all use the same address.
QString modDatabaseUrl();
// The support forum topic that View, Web Browser opens, and the forum search.
QString supportTopicUrl();
QString forumSearchUrl();

QString programSeparator();      // 65 "#"
QString programSeparatorBlank(); // 65 "#" and a blank
QString noticeSeparator();       // 62 "#" and a blank
QString emptyCommentLine();      // "##"
// A header line's text after its leading "##", not trimmed; nothing when the
// line does not begin with it.
std::optional<QStringView> afterCommentMark(QStringView line);
// A label, lower-cased, without the "mod " some authors begin it with:
// "mod title" reads as "title".
QString withoutModPrefix(QString label);

QString securityNoticeLine1(); // ends in " for the", no trailing blank
QString securityNoticeLine2();
QString securityNoticeLine3();
QString securityNoticeLine4();
QString backupNotice(); // the text the marker pass colours

// Header labels as the template writes them, and their variants.
QString titleLabel();         // "## Mod Title: "
QString versionLabel();       // "## Mod Version: "
QString authorLabel();        // "## Author: "
QString descriptionLabel();   // "## Description: "
QString levelLabel();         // "## Installation Level: "
QString timeLabel();          // "## Installation Time: "
QString filesToEditLabel();   // "## Files To Edit: "
QString includedFilesLabel(); // "## Included Files: "
QString generatorLabel();     // "## Generator: "
QString authorNoteLabel();    // "## Author Note: "
QString authorNotesLabel();   // "## Author Notes: "

// The labels as MOD authors write them, which the script writer uses (the
// template and the Properties dialog keep the program's own).
QString modTitleLabel();       // "## MOD Title: "
QString modAuthorLabel();      // "## MOD Author: "
QString modDescriptionLabel(); // "## MOD Description: "
QString modVersionLabel();     // "## MOD Version: "

QString bannerOpening(); // "#-----[ "
QString bannerClosing(); // " ]------------------------------------------"
// An action's banner as the template writes it, with its "#" frame:
// "#", "#-----[ KEYWORD ]-----...", "#".
QStringList bannerBlock(const QString& keyword);
// The editor's literal reading of a banner, which the colours and the outline
// show: a line that begins with the opening is a banner, and its keyword runs
// to the first " ]---"; without one on the line the keyword reads on into the
// lines after (`closed` false, `keyword` the rest of the line). Tools that
// work on what a script does read banners as installers do (ModReader).
QString bannerKeywordEnd(); // " ]---"
struct LiteralBanner {
    QStringView keyword;
    bool closed = false;
};
std::optional<LiteralBanner> literalBanner(QStringView line);
QString endOfMod();      // "# EoM"
QString endOfModTight(); // "#EoM"

// The builder's keywords in the order it offers them.
const QStringList& builderKeywords();
// Keywords that only the outline recognises.
const QStringList& outlineOnlyKeywords();

// The 25 lines of a new script, each ended by CR LF.
QStringList templateLines();
QString defaultTemplate();

} // namespace ModFormat

} // namespace Quillwright
