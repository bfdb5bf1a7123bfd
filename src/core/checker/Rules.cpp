#include "core/checker/Rules.h"

#include <QCoreApplication>

namespace Quillwright {

namespace Checker {

const std::vector<RuleInfo>& rules()
{
    static const std::vector<RuleInfo> all = {
        {Rule::HeaderMissing, Severity::Error,
         QT_TRANSLATE_NOOP(
             "Checker",
             "The header lacks a field the template has, or the file has no MOD header at all")},
        {Rule::HeaderEmpty, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "A header field is there but empty")},
        {Rule::HeaderDuplicate, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "A header field other than the author is given twice")},
        {Rule::VersionFormat, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker",
                           "The version is not in the form 1.2.3 (a letter may follow)")},
        {Rule::LevelValue, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "The installation level is not Easy, Intermediate or "
                                      "Advanced (an older word is a note)")},
        {Rule::AuthorFormat, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker",
                           "The author line is not \"name <e-mail> (real name) web site\"")},
        {Rule::SecurityNoticeMissing, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "The header has no security notice, in any language")},
        {Rule::BackupNoticeMissing, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker",
                           "The header does not end with the notice to back up the files")},
        {Rule::FilesToEdit, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "\"Files To Edit\" and the files the script opens differ")},
        {Rule::IncludedFiles, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "\"Included Files\" and the files the script copies differ")},
        {Rule::UnknownKeyword, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "A banner's keyword is not one installers know")},
        {Rule::BannerForm, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "A banner is not written as \"#-----[ KEYWORD ]---\"")},
        {Rule::BannerFrame, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "A banner lacks its \"#\" line before or after it")},
        {Rule::EmptyBlock, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "An action other than REPLACE WITH has nothing in it")},
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
        {Rule::EomMissing, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "The script does not end with \"# EoM\"")},
        {Rule::EomWithoutSave, Severity::Error,
         QT_TRANSLATE_NOOP("Checker", "\"# EoM\" has no SAVE/CLOSE ALL FILES block before it")},
        {Rule::AfterEom, Severity::Error, QT_TRANSLATE_NOOP("Checker", "Text follows \"# EoM\"")},
        {Rule::NotWindows1252, Severity::Warning,
         QT_TRANSLATE_NOOP("Checker", "A Windows-1252 script holds a character it cannot save")},
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

} // namespace Checker

} // namespace Quillwright
