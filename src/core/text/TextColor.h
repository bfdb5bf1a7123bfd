#pragma once

#include <QtGlobal>

namespace Quillwright {

// The colour of a character: the control's default colour, an explicit RGB
// colour, or (only as an answer about a selection) "mixed". Explicit colours
// keep alpha 0xff so that none of them can equal the two special values.
class TextColor {
public:
    constexpr TextColor() = default;
    static constexpr TextColor rgb(int r, int g, int b)
    {
        return TextColor(0xff000000u | (quint32(r & 0xff) << 16) | (quint32(g & 0xff) << 8) |
                         quint32(b & 0xff));
    }
    static constexpr TextColor fromRgb(quint32 rgb) { return TextColor(0xff000000u | rgb); }
    static constexpr TextColor mixed() { return TextColor(0x01000000u); }

    constexpr bool isDefault() const { return m_value == 0; }
    constexpr bool isMixed() const { return m_value == 0x01000000u; }
    constexpr bool isExplicit() const { return (m_value & 0xff000000u) == 0xff000000u; }
    constexpr int red() const { return int((m_value >> 16) & 0xff); }
    constexpr int green() const { return int((m_value >> 8) & 0xff); }
    constexpr int blue() const { return int(m_value & 0xff); }
    constexpr quint32 rgbValue() const { return m_value & 0x00ffffffu; }
    constexpr quint32 raw() const { return m_value; }

    friend constexpr bool operator==(TextColor a, TextColor b) { return a.m_value == b.m_value; }
    friend constexpr bool operator!=(TextColor a, TextColor b) { return a.m_value != b.m_value; }

private:
    constexpr explicit TextColor(quint32 v) : m_value(v) {}
    quint32 m_value = 0;
};

namespace MarkerColors {
inline constexpr TextColor Blue = TextColor::rgb(0, 0, 255);
inline constexpr TextColor DarkRed = TextColor::rgb(197, 3, 3);
inline constexpr TextColor Green = TextColor::rgb(0, 128, 0);
} // namespace MarkerColors

} // namespace Quillwright
