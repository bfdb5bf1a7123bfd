#include "core/frame/Tips.h"

#include "core/encoding/TextEncoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace Quillwright {

namespace Tips {

std::optional<QStringList> loadTips(const QString& name)
{
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return std::nullopt;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The tips are read as scripts are: Windows-1252, or UTF-8 when they are.
    const QString text = decodeText(file.read(4LL * 1024 * 1024)).text;
    QStringList tips;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        const bool last = end < 0;
        if (last)
            end = text.size();
        QString line = text.sliced(pos, end - pos);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        tips << line;
        pos = end + 1;
    }
    return tips;
}

int pickTip(double r, int count)
{
    if (count <= 0)
        return 0;
    const int n = int(std::floor(r * count)) + 1;
    return std::clamp(n, 1, count);
}

QString missingFileText()
{
    return QCoreApplication::translate("Tips", "That the %1 file was not found? ").arg(fileName()) +
           QStringLiteral("\r\n\r\n") +
           QCoreApplication::translate("Tips",
                                       "Create a text file named %1 using NotePad with 1 tip "
                                       "per line. Then place it in the same directory as the "
                                       "application. ")
               .arg(fileName());
}

QString locate(const QString& programFolder)
{
    const QString beside = QDir(programFolder).filePath(fileName());
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir(programFolder).filePath(QStringLiteral("../share/quillwright/") + fileName());
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    const QString system = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                  QStringLiteral("quillwright/") + fileName());
    return system.isEmpty() ? beside : system;
}

} // namespace Tips

} // namespace Quillwright
