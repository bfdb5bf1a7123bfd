#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace Quillwright {

// Which of a forum's files a script may reach, and their bytes: one rule
// for the dry run, which reads them, and the installer, which changes them.
namespace ForumPaths {

using Files = std::function<std::optional<QByteArray>(const QString& path)>;

// Whether `path` is `root` or below it; both clean and absolute.
bool inside(const QString& root, const QString& path);
// The real place of a path, links resolved; the path itself, cleaned, when
// it does not exist.
QString resolved(const QString& path);
// A relative path that stays below the folder it is read from: no drive,
// no leading "/" or "~", no "." or ".." part, no empty part.
bool isConfined(const QString& path);
// Whether `path` under `root` resolves outside `root` (through a link).
bool leavesFolder(const QString& root, const QString& path);
// The files of a folder, read once each. A path that leaves the folder,
// by ".." or through a symbolic link that points outside it, reads as no file.
Files folderFiles(const QString& root);

} // namespace ForumPaths

} // namespace Quillwright
