#include "core/encoding/Windows1252.h"
#include "core/rtf/Rtf.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace Quillwright {

namespace Rtf {
namespace {

enum class Destination { Text, ColorTable, Skip };

struct GroupState {
    int colorIndex = 0;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

// Destinations whose content is never visible text.
bool isSkippedDestination(QStringView word)
{
    static const QSet<QString> words = {
        QStringLiteral("fonttbl"),
        QStringLiteral("stylesheet"),
        QStringLiteral("info"),
        QStringLiteral("pict"),
        QStringLiteral("header"),
        QStringLiteral("headerl"),
        QStringLiteral("headerr"),
        QStringLiteral("headerf"),
        QStringLiteral("footer"),
        QStringLiteral("footerl"),
        QStringLiteral("footerr"),
        QStringLiteral("footerf"),
        QStringLiteral("footnote"),
        QStringLiteral("listtable"),
        QStringLiteral("listoverridetable"),
        QStringLiteral("rsidtbl"),
        QStringLiteral("generator"),
        QStringLiteral("xmlnstbl"),
        QStringLiteral("themedata"),
        QStringLiteral("colorschememapping"),
        QStringLiteral("latentstyles"),
        QStringLiteral("datastore"),
        QStringLiteral("fldinst"),
        QStringLiteral("object"),
        QStringLiteral("objdata"),
        QStringLiteral("nonshppict"),
        QStringLiteral("filetbl"),
        QStringLiteral("revtbl"),
        QStringLiteral("pgdsctbl"),
        QStringLiteral("author"),
        QStringLiteral("title"),
        QStringLiteral("subject"),
        QStringLiteral("operator"),
        QStringLiteral("keywords"),
        QStringLiteral("comment"),
        QStringLiteral("doccomm"),
        QStringLiteral("company"),
        QStringLiteral("pntext"),
        QStringLiteral("pntxta"),
        QStringLiteral("pntxtb"),
        QStringLiteral("template"),
    };
    return words.contains(word.toString());
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

class Reader {
public:
    explicit Reader(QStringView in) : m_in(in) {}
    // A stretch of a body: no header, a known colour table and colour.
    Reader(QStringView body, const std::vector<TextColor>& table, int colorIndex) : m_in(body)
    {
        m_colors.reserve(table.size() + 1);
        m_colors.push_back(TextColor());
        m_colors.insert(m_colors.end(), table.begin(), table.end());
        m_state.colorIndex = colorIndex;
        m_started = true;
    }
    int colorIndex() const { return m_state.colorIndex; }

    StyledText run()
    {
        m_out.text.reserve(m_in.size());
        const qsizetype n = m_in.size();
        while (m_pos < n) {
            const QChar c = m_in[m_pos];
            if (c == u'{') {
                ++m_pos;
                openGroup();
            } else if (c == u'}') {
                ++m_pos;
                if (!closeGroup())
                    break; // the outermost group has ended: the rest is not the document
            } else if (c == u'\\') {
                controlSequence();
            } else if (c == u'\r' || c == u'\n') {
                ++m_pos;
            } else if (m_state.destination == Destination::Text && m_pendingSkip == 0) {
                plainSpan();
            } else {
                ++m_pos;
                plainChar(c);
            }
        }
        return std::move(m_out);
    }

private:
    void openGroup()
    {
        m_pendingSkip = 0;
        if (m_started && m_stack.size() >= size_t(MaxGroupDepth)) {
            ++m_overflowDepth;
            return;
        }
        if (m_started)
            m_stack.push_back(m_state);
        m_started = true;
    }

    bool closeGroup()
    {
        m_pendingSkip = 0;
        if (m_overflowDepth > 0) {
            --m_overflowDepth;
            return true;
        }
        if (m_state.destination == Destination::ColorTable)
            finishColorTable();
        if (m_stack.empty())
            return false;
        m_state = m_stack.back();
        m_stack.pop_back();
        return true;
    }

    void plainChar(QChar c)
    {
        if (m_state.destination == Destination::ColorTable) {
            if (c == u';')
                endColorEntry();
            return;
        }
        if (m_state.destination != Destination::Text)
            return;
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        emitChar(c);
    }

    // A stretch of ordinary characters, appended in one go.
    void plainSpan()
    {
        const qsizetype n = m_in.size();
        qsizetype j = m_pos;
        while (j < n) {
            const char16_t u = m_in[j].unicode();
            if (u == u'{' || u == u'}' || u == u'\\' || u == u'\r' || u == u'\n')
                break;
            ++j;
        }
        emitText(m_in.sliced(m_pos, j - m_pos));
        m_pos = j;
    }

    void emitChar(QChar c) { emitText(QStringView(&c, 1)); }

    // Appends text in the current colour, joining the run before it when
    // the colour is the same.
    void emitText(QStringView text)
    {
        const int index = int(m_out.text.size());
        const int length = int(text.size());
        m_out.text.append(text);
        TextColor color;
        if (m_state.colorIndex >= 0 && size_t(m_state.colorIndex) < m_colors.size())
            color = m_colors[size_t(m_state.colorIndex)];
        if (color.isDefault())
            return;
        auto& runs = m_out.runs;
        if (!runs.empty() && runs.back().color == color &&
            runs.back().start + runs.back().length == index)
            runs.back().length += length;
        else
            runs.push_back({index, length, color});
    }

    void emitLineBreak()
    {
        if (m_state.destination != Destination::Text)
            return;
        m_pendingSkip = 0;
        m_out.text += u"\r\n";
    }

    void controlSequence()
    {
        const qsizetype n = m_in.size();
        ++m_pos; // the backslash
        if (m_pos >= n)
            return;
        const QChar c = m_in[m_pos];
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            controlWord();
            return;
        }
        ++m_pos;
        switch (c.unicode()) {
        case u'\'': {
            int value = -1;
            if (m_pos + 1 < n) {
                const int hi = hexValue(m_in[m_pos]);
                const int lo = hexValue(m_in[m_pos + 1]);
                if (hi >= 0 && lo >= 0) {
                    value = hi * 16 + lo;
                    m_pos += 2;
                }
            }
            if (value >= 0)
                plainChar(Windows1252::decodeByte(static_cast<unsigned char>(value)));
            break;
        }
        case u'*':
            // An optional destination: none of them carries text we show.
            if (m_overflowDepth == 0)
                m_state.destination = Destination::Skip;
            break;
        case u'\\':
        case u'{':
        case u'}':
            plainChar(c);
            break;
        case u'~':
            plainChar(QChar(0x00A0));
            break;
        case u'_':
            plainChar(QChar(u'-'));
            break;
        case u'\r':
        case u'\n':
            emitLineBreak();
            break;
        default:
            break; // \- \| \: and unknown symbols show nothing
        }
    }

    void controlWord()
    {
        const qsizetype n = m_in.size();
        const qsizetype start = m_pos;
        while (m_pos < n && ((m_in[m_pos] >= u'a' && m_in[m_pos] <= u'z') ||
                             (m_in[m_pos] >= u'A' && m_in[m_pos] <= u'Z')))
            ++m_pos;
        const QStringView word = m_in.mid(start, std::min<qsizetype>(m_pos - start, 32));
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (m_pos < n && m_in[m_pos] == u'-' && m_pos + 1 < n && m_in[m_pos + 1].isDigit()) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < n && m_in[m_pos] >= u'0' && m_in[m_pos] <= u'9') {
            hasParam = true;
            if (param < 100000000000LL) // saturate absurd numbers
                param = param * 10 + (m_in[m_pos].unicode() - u'0');
            ++m_pos;
        }
        if (negative)
            param = -param;
        if (m_pos < n && m_in[m_pos] == u' ')
            ++m_pos;
        const int value = int(std::clamp<long long>(param, -2147483647LL, 2147483647LL));
        handleWord(word, hasParam, value);
    }

    void handleWord(QStringView word, bool hasParam, int value)
    {
        if (word == u"bin") {
            // Binary data: skip it, but never past the end of the input.
            const qsizetype len = hasParam && value > 0 ? value : 0;
            m_pos += std::min<qsizetype>(len, m_in.size() - m_pos);
            return;
        }
        if (m_state.destination == Destination::Skip)
            return;
        if (m_state.destination == Destination::ColorTable) {
            const int component = std::clamp(value, 0, 255);
            if (word == u"red")
                m_entry.r = component, m_entry.set = true;
            else if (word == u"green")
                m_entry.g = component, m_entry.set = true;
            else if (word == u"blue")
                m_entry.b = component, m_entry.set = true;
            return;
        }
        if (m_overflowDepth > 0 && word != u"par" && word != u"line" && word != u"tab" &&
            word != u"u")
            return; // state changes too deep to track are ignored
        if (word == u"par" || word == u"line") {
            emitLineBreak();
        } else if (word == u"tab") {
            plainChar(QChar(u'\t'));
        } else if (word == u"cf") {
            m_state.colorIndex = hasParam ? std::max(value, 0) : 0;
        } else if (word == u"plain") {
            m_state.colorIndex = 0;
        } else if (word == u"uc") {
            m_state.unicodeSkip = std::clamp(value, 0, 16);
        } else if (word == u"u") {
            int code = value;
            if (code < 0 && code >= -32768)
                code += 65536;
            emitUnicode(code);
            m_pendingSkip = m_state.unicodeSkip;
        } else if (word == u"colortbl") {
            m_state.destination = Destination::ColorTable;
            m_colors.clear();
            m_entry = {};
        } else if (word == u"emdash") {
            plainChar(QChar(0x2014));
        } else if (word == u"endash") {
            plainChar(QChar(0x2013));
        } else if (word == u"lquote") {
            plainChar(QChar(0x2018));
        } else if (word == u"rquote") {
            plainChar(QChar(0x2019));
        } else if (word == u"ldblquote") {
            plainChar(QChar(0x201C));
        } else if (word == u"rdblquote") {
            plainChar(QChar(0x201D));
        } else if (word == u"bullet") {
            plainChar(QChar(0x2022));
        } else if (isSkippedDestination(word)) {
            m_state.destination = Destination::Skip;
        } else if (m_pendingSkip > 0) {
            --m_pendingSkip;
        }
    }

    void emitUnicode(int code)
    {
        if (m_state.destination != Destination::Text)
            return;
        if (code < 0 || code > 0xFFFF)
            code = 0xFFFD;
        emitChar(QChar(char16_t(code)));
    }

    void endColorEntry()
    {
        if (m_colors.size() < (1u << 20)) // each entry costs at least one input character
            m_colors.push_back(m_entry.set ? TextColor::rgb(m_entry.r, m_entry.g, m_entry.b)
                                           : TextColor());
        m_entry = {};
    }

    void finishColorTable() { m_entry = {}; }

    struct Entry {
        int r = 0, g = 0, b = 0;
        bool set = false;
    };

    QStringView m_in;
    qsizetype m_pos = 0;
    StyledText m_out;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    std::vector<TextColor> m_colors;
    Entry m_entry;
    int m_pendingSkip = 0;
    int m_overflowDepth = 0;
    bool m_started = false;
};

} // namespace

StyledText readBody(QStringView body, const std::vector<TextColor>& table, int& current)
{
    Reader reader(body, table, current);
    StyledText out = reader.run();
    current = reader.colorIndex();
    return out;
}

StyledText read(QStringView rtf)
{
    if (!looksLikeRtf(rtf))
        return StyledText{normalizeLineEnds(rtf.toString()), {}};
    return Reader(rtf).run();
}

} // namespace Rtf

} // namespace Quillwright
