#pragma once

#include <QCoreApplication>
#include <QString>

namespace Quillwright {

// The file dialogs' filters as the program has always worded them
// ("all" and "phpbb2" in lower case, no blank in "files(*.txt)").
namespace FileFilters {
inline QString open()
{
    // MOD packages as downloaded come last, after the old program's own.
    return QStringLiteral("all Mod Files (*.mod,*.txt)|*.mod;*.txt|phpBB2 Mod Files (*.mod)|*.mod|"
                          "Plain Ascii text files(*.txt)|*.txt|") +
           QCoreApplication::translate("Quillwright::FileFilters", "MOD packages (*.zip)") +
           QStringLiteral("|*.zip");
}
inline QString save()
{
    return QStringLiteral("phpbb2 Mod Files (*.mod)|*.mod|Plain Ascii text files(*.txt)|*.txt");
}
inline QString saveAs()
{
    return QStringLiteral("Mod files (*.mod)|*.mod");
}
} // namespace FileFilters

} // namespace Quillwright
