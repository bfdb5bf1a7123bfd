#pragma once

#include "core/checker/Finding.h"

#include <QString>
#include <vector>

namespace Quillwright {

// Every rule of the checker, its dry run and the installer: the id a finding
// carries (the same from version to version: editors and CI filter on it),
// how bad it is by default, and what it says. Each id is written here once.
//
// One standard decides how bad a finding is (docs/CHECKER.md says it for
// users):
// - error: an installer would fail, skip something, or do other than the
//   author meant;
// - warning: the script misleads its reader, or a MOD database reviewer
//   would send it back (a wrong header fact, a missing field, notice or end
//   marker, a placeholder left in);
// - note: form only, which every installer and reader takes in its stride.
// What the program's own template, dialogs and builder write gives nothing.
namespace Checker {

namespace Rule {
inline constexpr char HeaderMissing[] = "header-missing";
inline constexpr char HeaderEmpty[] = "header-empty";
inline constexpr char HeaderDuplicate[] = "header-duplicate";
inline constexpr char HeaderLabel[] = "header-label";
inline constexpr char HeaderPlaceholder[] = "header-placeholder";
inline constexpr char VersionFormat[] = "version-format";
inline constexpr char LevelValue[] = "level-value";
inline constexpr char AuthorFormat[] = "author-format";
inline constexpr char SecurityNoticeMissing[] = "security-notice-missing";
inline constexpr char BackupNoticeMissing[] = "backup-notice-missing";
inline constexpr char FilesToEdit[] = "files-to-edit";
inline constexpr char IncludedFiles[] = "included-files";
inline constexpr char UnknownKeyword[] = "unknown-keyword";
inline constexpr char KeywordsNotEnglish[] = "keywords-not-english";
inline constexpr char BannerForm[] = "banner-form";
inline constexpr char BannerFrame[] = "banner-frame";
inline constexpr char EmptyBlock[] = "empty-block";
inline constexpr char OpenWithoutAction[] = "open-without-action";
inline constexpr char FindBeforeOpen[] = "find-before-open";
inline constexpr char ActionBeforeOpen[] = "action-before-open";
inline constexpr char ActionWithoutFind[] = "action-without-find";
inline constexpr char InlineWithoutFind[] = "inline-without-find";
inline constexpr char InlineWithoutInlineFind[] = "inline-without-inline-find";
inline constexpr char EomMissing[] = "eom-missing";
inline constexpr char EomWithoutSave[] = "eom-without-save";
inline constexpr char AfterEom[] = "after-eom";
inline constexpr char NotWindows1252[] = "not-windows-1252";
inline constexpr char ScriptEncoding[] = "script-encoding";
inline constexpr char NotAScript[] = "not-a-script";
inline constexpr char OpenMissing[] = "open-missing";
inline constexpr char FindNoMatch[] = "find-no-match";
inline constexpr char InlineNoMatch[] = "inline-no-match";
inline constexpr char NoFind[] = "no-find";
inline constexpr char NoInlineFind[] = "no-inline-find";
inline constexpr char IncrementNoNumber[] = "increment-no-number";
inline constexpr char OpenBinary[] = "open-binary";
inline constexpr char PathOutsideForum[] = "path-outside-forum";
inline constexpr char PathOutsidePackage[] = "path-outside-package";
inline constexpr char NoAction[] = "no-action";
} // namespace Rule

struct RuleInfo {
    const char* id;
    Severity severity;
    const char* description;
};
const std::vector<RuleInfo>& rules();
bool isRule(const QString& id);
// The severity the table gives a rule.
Severity severityOf(const char* id);

} // namespace Checker

} // namespace Quillwright
