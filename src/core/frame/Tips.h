#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace Quillwright {

// The tip of the day's logic: the tips file, the draw and the text shown
// when the file is missing.
namespace Tips {

// Every line of the file, empty ones included, in file order; nothing when
// the name is empty or no such file exists.
std::optional<QStringList> loadTips(const QString& fileName);

// The 1-based tip number for a draw r in [0, 1): floor(r * count) + 1.
int pickTip(double r, int count);

// What the window shows when the tips file cannot be found.
QString missingFileText();

inline QString fileName()
{
    return QStringLiteral("TIPOFDAY.TXT");
}

// Where the tips are read from: beside the program first, as it always was,
// then in the data folder of an installation (share/quillwright beside the
// program's bin folder, then the system's data folders); the name beside the
// program when none exists, so the window says which file it missed.
QString locate(const QString& programFolder);

} // namespace Tips

} // namespace Quillwright
