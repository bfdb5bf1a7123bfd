#pragma once

#include <QString>

namespace Quillwright {

// Which of a forum's files a script may reach: one rule for the dry run,
// which reads them, and the installer, which changes them.
namespace ForumPaths {

// Whether `path` is `root` or below it; both clean and absolute.
bool inside(const QString& root, const QString& path);
// The real place of a path, links resolved; the path itself, cleaned, when
// it does not exist.
QString resolved(const QString& path);
// A path as a script writes it that stays below the folder it is read
// from: one leading "/" or "\" stands for that folder (the forum's root),
// as on the web server; a trailing one names a folder. No drive, no "~",
// no "//" of a network share, no "." or ".." part, no empty part.
bool isConfined(const QString& path);
// Whether `path` under `root` resolves outside `root` (through a link).
bool leavesFolder(const QString& root, const QString& path);

} // namespace ForumPaths

} // namespace Quillwright
