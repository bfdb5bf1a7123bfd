#include "core/encoding/Windows1252.h"
#include "core/rtf/Rtf.h"

#include <algorithm>
#include <vector>

namespace Quillwright {

namespace Rtf {
namespace {

void appendEscapedName(QString& out, const QString& name)
{
    for (QChar c : name) {
        if (c == u'\\' || c == u'{' || c == u'}')
            out += u'\\';
        out += c;
    }
}

void appendHex(QString& out, int byte)
{
    static const char digits[] = "0123456789abcdef";
    out += u"\\'";
    out += QLatin1Char(digits[(byte >> 4) & 0xf]);
    out += QLatin1Char(digits[byte & 0xf]);
}

// "\cfN " without the cost of a formatted string on every change of colour.
void appendColorCode(QString& out, int index)
{
    char16_t digits[12];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + index % 10);
        index /= 10;
    } while (index > 0);
    out += u"\\cf";
    while (n > 0)
        out += QChar(digits[--n]);
    out += u' ';
}

constexpr QStringView HeaderStart =
    u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081{\\fonttbl{\\f0\\fnil\\fcharset0 ";
constexpr QStringView HeaderFontEnd = u";}}\r\n";

bool isPlain(char16_t c)
{
    return c >= 0x20 && c < 0x80 && c != u'\\' && c != u'{' && c != u'}';
}

// The body: each line break a \par, a \cfN code wherever the colour
// changes; `current` is the colour index in effect before and after.
template <typename IndexOf>
void appendBody(QString& out, const StyledText& content, const IndexOf& indexOf, int& current)
{
    const QString& text = content.text;
    size_t run = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            out += u"\\par\r\n";
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        while (run < content.runs.size() && content.runs[run].start + content.runs[run].length <= i)
            ++run;
        TextColor color;
        qsizetype colorEnd = n; // where the colour may change next
        if (run < content.runs.size()) {
            if (content.runs[run].start <= i) {
                color = content.runs[run].color;
                colorEnd = content.runs[run].start + content.runs[run].length;
            } else {
                colorEnd = content.runs[run].start;
            }
        }
        const int idx = indexOf(color);
        if (idx != current) {
            appendColorCode(out, idx);
            current = idx;
        }
        if (isPlain(c)) {
            // Most of a script is plain ASCII: copy it a stretch at a time.
            qsizetype j = i + 1;
            while (j < colorEnd && isPlain(text[j].unicode()))
                ++j;
            out.append(QStringView(text).sliced(i, j - i));
            i = j - 1;
            continue;
        }
        switch (c) {
        case u'\\':
            out += u"\\\\";
            break;
        case u'{':
            out += u"\\{";
            break;
        case u'}':
            out += u"\\}";
            break;
        case u'\t':
            out += u"\\tab ";
            break;
        default:
            if (c >= 0x20 && c < 0x80) {
                out += QChar(c);
            } else {
                const int b = Windows1252::encodeChar(c);
                if (b >= 0x80)
                    appendHex(out, b);
                else
                    out += QStringLiteral("\\u%1?").arg(c > 32767 ? int(c) - 65536 : int(c));
            }
        }
    }
}

// Index of a colour in a table that leaves out the default entry 0.
int tableIndex(const std::vector<TextColor>& table, TextColor c)
{
    if (c.isDefault())
        return 0;
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == c)
            return int(i) + 1;
    return -1;
}

} // namespace

QString write(const StyledText& content, const QString& fontName)
{
    return write(content, fontName, {});
}

QString write(const StyledText& content, const QString& fontName,
              const std::vector<TextColor>& leading)
{
    const QString& text = content.text;

    // Colour table in order of first occurrence; line breaks carry no colour.
    std::vector<TextColor> table = leading;
    for (const ColorRun& r : content.runs)
        if (!r.color.isDefault() && tableIndex(table, r.color) < 0)
            table.push_back(r.color);

    QString out;
    out.reserve(text.size() + text.size() / 8 + 256);
    out += HeaderStart;
    appendEscapedName(out, fontName);
    out += HeaderFontEnd;
    if (!table.empty()) {
        out += u"{\\colortbl ;";
        for (TextColor c : table)
            out += QStringLiteral("\\red%1\\green%2\\blue%3;")
                       .arg(c.red())
                       .arg(c.green())
                       .arg(c.blue());
        out += u"}\r\n";
    }
    out += BodyStart;
    int current = 0;
    appendBody(
        out, content, [&table](TextColor c) { return tableIndex(table, c); }, current);
    out += u'}';
    return out;
}

qsizetype writtenLengthAtLeast(qsizetype textLength, int lineCount, const QString& fontName)
{
    // Every character takes at least one character of RTF, and a line
    // break "\par" CR LF four more than its CR LF.
    return HeaderStart.size() + fontName.size() + HeaderFontEnd.size() + BodyStart.size() +
           textLength + 4 * qsizetype(std::max(lineCount - 1, 0)) + 1;
}

QString writeBody(const StyledText& content, const std::vector<TextColor>& table, int& current)
{
    QString out;
    out.reserve(content.text.size() + 16);
    appendBody(
        out, content, [&table](TextColor c) { return std::max(tableIndex(table, c), 0); }, current);
    return out;
}

bool looksLikeRtf(QStringView text)
{
    return text.startsWith(u"{\\rtf");
}

StyledText readRichOrPlain(const QString& text)
{
    if (looksLikeRtf(text))
        return read(text);
    return StyledText{normalizeLineEnds(text), {}};
}

} // namespace Rtf

} // namespace Quillwright
