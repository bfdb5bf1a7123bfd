#include "core/script/RepairScript.h"

#include "core/script/ModFormat.h"

#include <QRegularExpression>
#include <QStringMatcher>

namespace Quillwright {

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
    // Every label begins "## " and is a few characters long: the expression
    // is tried only there, on those characters (given the whole text, it
    // checks all of it for valid UTF-16 at every try).
    constexpr qsizetype LongestLabel = 17; // "## Author Notes: "
    QString text;
    qsizetype labelsEnd = 0;
    for (qsizetype at = input.indexOf(u"## "); at >= 0; at = input.indexOf(u"## ", at + 1)) {
        const QRegularExpressionMatch m = noteLabel.match(
            QStringView(input).sliced(at, std::min(LongestLabel, input.size() - at)), 0,
            QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            continue;
        if (text.isNull())
            text.reserve(input.size() + 64);
        text += QStringView(input).sliced(labelsEnd, at - labelsEnd);
        text += ModFormat::authorNoteLabel();
        labelsEnd = at + m.capturedLength();
        at = labelsEnd - 1;
    }
    if (labelsEnd == 0)
        text = input;
    else
        text += QStringView(input).sliced(labelsEnd);

    // Only banner lines change: the text between them is copied a stretch
    // at a time.
    const QString banner = ModFormat::bannerOpening();
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(banner); at >= 0; at = text.indexOf(banner, at + 1)) {
        if (at > 0 && text[at - 1] != u'\n')
            continue; // not at a line start
        qsizetype end = text.indexOf(QLatin1Char('\n'), at);
        end = end < 0 ? text.size() : end + 1;
        QString line = text.sliced(at, end - at);
        repairBannerLine(line);
        out += QStringView(text).sliced(copied, at - copied);
        out += line;
        copied = end;
        at = end - 1;
    }
    if (copied == 0)
        return text;
    out += QStringView(text).sliced(copied);
    return out;
}

QString addBlankAfterProgramSeparators(const QString& text)
{
    // A line of exactly 65 "#" gains a blank; the text between such lines
    // is copied a stretch at a time.
    static const QStringMatcher separator(ModFormat::programSeparator());
    const qsizetype length = separator.pattern().size();
    QString out;
    qsizetype copied = 0;
    for (qsizetype at = separator.indexIn(text); at >= 0; at = separator.indexIn(text, at + 1)) {
        const qsizetype end = at + length;
        const bool lineStart =
            at == 0 || (at >= 2 && QStringView(text).sliced(at - 2, 2) == u"\r\n");
        const bool lineEnd =
            end == text.size() || QStringView(text).sliced(end).startsWith(u"\r\n");
        if (!lineStart || !lineEnd)
            continue;
        if (out.isNull())
            out.reserve(text.size() + 64);
        out += QStringView(text).sliced(copied, end - copied);
        out += QLatin1Char(' ');
        copied = end;
    }
    if (copied == 0)
        return text;
    out += QStringView(text).sliced(copied);
    return out;
}

QString removeBlankAfterProgramSeparators(const QString& text)
{
    QString out = text;
    out.replace(ModFormat::programSeparatorBlank(), ModFormat::programSeparator());
    return out;
}

} // namespace Quillwright
