#include "core/checker/Rules.h"

#include <QCoreApplication>
#include <cstring>

namespace Quillwright {

namespace Checker {

// Each rule's severity follows the standard in Rules.h; where one rule's
// findings differ in severity, its description says when.
const std::vector<RuleInfo>& rules()
{
    static const std::vector<RuleInfo> all = {
        {Rule::HeaderMissing, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker",
                           "The header lacks a field the template has, or the script has no MOD "
                           "header (a note for a list of files the script does not need)")},
        {Rule::HeaderEmpty, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "A header field is there but empty")},
        {Rule::HeaderDuplicate, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "A header field other than the author is given twice")},
        {Rule::HeaderLabel, Severity::Note,
         QT_TRANSLATE_NOOP("Checker", "A header label is written in a form of its own "
                                      "(\"## Files To Edit (6):\", \"## File To Edit:\")")},
        {Rule::HeaderPlaceholder, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "A header field still holds a placeholder (version "
                                      "\"x.x.x\", the author or title to fill in)")},
        {Rule::VersionFormat, Severity::Note,
         QT_TRANSLATE_NOOP("Checker", "The version is not in the form 1.2.3 (a letter may "
                                      "follow): an upgrade's range, a suffix or a note")},
        {Rule::LevelValue, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker",
                           "The installation level is none of Easy, Intermediate, Advanced (or "
                           "the dialog's easy, moderate, hard); a note for an older word")},
        {Rule::AuthorFormat, Severity::Note,
         QT_TRANSLATE_NOOP("Checker",
                           "The author line is not \"name <e-mail> (real name) web site\"")},
        {Rule::SecurityNoticeMissing, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "The header has no security notice, in any language")},
        {Rule::BackupNoticeMissing, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "The header does not tell the reader to back up the files, "
                                      "in any language")},
        {Rule::FilesToEdit, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "\"Files To Edit\" and the files the script opens differ "
                                      "(a note for a count that disagrees or stands for the "
                                      "list)")},
        {Rule::IncludedFiles, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "\"Included Files\" and the files the script copies differ "
                                      "(a note for a count that disagrees or stands for the "
                                      "list)")},
        {Rule::UnknownKeyword, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "A banner's keyword is not one installers know")},
        {Rule::KeywordsNotEnglish, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "The script's action keywords are translated: installers "
                                      "read only the English ones (said once for the script)")},
        {Rule::BannerForm, Severity::Note,
         QT_TRANSLATE_NOOP("Checker", "A banner is not written as \"#-----[ KEYWORD ]---\" with "
                                      "the keyword as the template spells it")},
        {Rule::BannerFrame, Severity::Note,
         QT_TRANSLATE_NOOP("Checker", "A banner lacks its \"#\" line before or after it (the "
                                      "outline lists only banners with a \"#\" line above)")},
        {Rule::EmptyBlock, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "An action has nothing in it (an empty REPLACE WITH or "
                                      "IN-LINE REPLACE WITH deletes, and is fine)")},
        {Rule::OpenWithoutAction, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "Nothing is done to the file an OPEN opens")},
        {Rule::FindBeforeOpen, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "A FIND or IN-LINE FIND comes before any OPEN")},
        {Rule::ActionBeforeOpen, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "An ADD, REPLACE, INCREMENT or IN-LINE action comes before any OPEN")},
        {Rule::ActionWithoutFind, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "An ADD, REPLACE or INCREMENT has no FIND before it in its file")},
        {Rule::InlineWithoutFind, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "An IN-LINE FIND has no FIND before it in its file")},
        {Rule::InlineWithoutInlineFind, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "An IN-LINE action has no IN-LINE FIND before it")},
        {Rule::EomMissing, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "The script does not end with \"# EoM\"")},
        {Rule::EomWithoutSave, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "\"# EoM\" has no SAVE/CLOSE ALL FILES block before it")},
        {Rule::AfterEom, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "Text follows \"# EoM\", where installers stop reading")},
        {Rule::NotWindows1252, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "The script holds a character its encoding cannot save")},
        {Rule::ScriptEncoding, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "The script is encoded in neither UTF-8 nor Windows-1252 "
                                      "(a Chinese, Cyrillic or Central European code page)")},
        {Rule::NotAScript, Severity::Note,
         QT_TRANSLATE_NOOP("Checker", "The file is a document that quotes parts of MOD scripts, "
                                      "not a script: it is not checked")},
        {Rule::OpenMissing, Severity::Error,
         QT_TRANSLATE_NOOP(
             "Checker",
             "The forum has no file an OPEN names (a warning for languages and templates)")},
        {Rule::FindNoMatch, Severity::Error,
         QT_TRANSLATE_NOOP(
             "Checker",
             "A FIND matches nothing in the forum's file from where the one before left off")},
        {Rule::InlineNoMatch, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "An IN-LINE FIND matches nothing in the lines its FIND found")},
        {Rule::NoFind, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "An action needs a FIND that its file does not have (installing)")},
        {Rule::NoInlineFind, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "An IN-LINE action needs an IN-LINE FIND (installing)")},
        {Rule::IncrementNoNumber, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "INCREMENT finds no {%:N} number in the lines found (installing)")},
        {Rule::OpenBinary, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "An OPEN names a file that is not text (installing)")},
        {Rule::PathOutsideForum, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "An OPEN or COPY leads outside the forum's folder (installing)")},
        {Rule::PathOutsidePackage, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "A COPY takes a file from outside the MOD's package (installing)")},
        {Rule::NoAction, Severity::Error,
         QT_TRANSLATE_NOOP("Checker",
                           "The script has no action an installer can read (installing)")},
    };
    return all;
}

bool isRule(const QString& id)
{
    const auto& all = rules();
    return std::any_of(all.begin(), all.end(),
                       [&id](const RuleInfo& r) { return id == QLatin1String(r.id); });
}

Severity severityOf(const char* id)
{
    for (const RuleInfo& r : rules())
        if (std::strcmp(r.id, id) == 0)
            return r.severity;
    Q_ASSERT_X(false, "severityOf", id);
    return Severity::Error;
}

} // namespace Checker

} // namespace Quillwright
