#pragma once

#include <QString>
#include <QStringList>

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

// What the script writer puts where only the author can say: the checker
// and the header dialog know a header field still holding one of these.
QString titlePlaceholder();
QString authorPlaceholder();
QString descriptionPlaceholder();
const QStringList& placeholders();

QString bannerOpening(); // "#-----[ "
QString bannerClosing(); // " ]------------------------------------------"
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
