#include "core/script/RepairScript.h"

#include "core/script/ModFormat.h"

#include <QRegularExpression>

namespace {

void repairBannerLine(QString& line)
{
    static const QString afterAdd = QStringLiteral(" AFTER, ADD ");
    line.replace(QStringLiteral(" After, Add "), afterAdd);
    line.replace(QStringLiteral(" After, ADD "), afterAdd);
    line.replace(QStringLiteral(" after, add "), afterAdd);
    line.replace(QStringLiteral("Open"), QStringLiteral("OPEN"));
}

} // namespace

QString RepairScript(const QString& input)
{
    static const QRegularExpression noteLabel(
        QStringLiteral("## (?:Author Notes?|author notes?): ?"));
    QString text = input;
    text.replace(noteLabel, ModFormat::authorNoteLabel());

    const QString banner = ModFormat::bannerOpening();
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        end = end < 0 ? text.size() : end + 1;
        if (QStringView(text).sliced(pos, end - pos).startsWith(banner)) {
            QString line = text.sliced(pos, end - pos);
            repairBannerLine(line);
            out += line;
        } else {
            out += QStringView(text).sliced(pos, end - pos);
        }
        pos = end;
    }
    return out;
}

QString addBlankAfterProgramSeparators(const QString& text)
{
    const QString sep = ModFormat::programSeparator();
    QString out;
    out.reserve(text.size() + 64);
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype eol = text.indexOf(QStringLiteral("\r\n"), pos);
        const qsizetype lineEnd = eol < 0 ? text.size() : eol;
        const QStringView line = QStringView(text).sliced(pos, lineEnd - pos);
        out += line;
        if (line == sep)
            out += QLatin1Char(' ');
        if (eol < 0)
            break;
        out += QStringLiteral("\r\n");
        pos = eol + 2;
    }
    return out;
}

QString removeBlankAfterProgramSeparators(const QString& text)
{
    QString out = text;
    out.replace(ModFormat::programSeparatorBlank(), ModFormat::programSeparator());
    return out;
}
