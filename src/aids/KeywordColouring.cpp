#include "KeywordColouring.h"

#include "document/ModFormat.h"
#include "document/RichTextControl.h"

#include <array>
#include <utility>

namespace {

using Rule = std::pair<const char16_t*, const char16_t*>;

constexpr std::array<Rule, 21> Rules = {{
    {u"IN-LINE FIND", u"\\cf1 IN-LINE FIND\\cf0 "},
    {u"IN-LINE AFTER, ADD", u"\\cf1 IN-LINE AFTER, ADD\\cf0 "},
    {u"IN-LINE REPLACE WITH", u"\\cf1 IN-LINE REPLACE WITH\\cf0 "},
    {u" OPEN ", u" \\cf1 OPEN\\cf0  "},
    {u" FIND ", u" \\cf1 FIND\\cf0  "},
    {u" AFTER, ADD ", u" \\cf1 AFTER, ADD\\cf0  "},
    {u" BEFORE, ADD ", u" \\cf1 BEFORE, ADD\\cf0  "},
    {u" REPLACE WITH ", u" \\cf1 REPLACE WITH\\cf0  "},
    {u" OR ", u" \\cf1 OR\\cf0  "},
    {u"SAVE/CLOSE ALL FILES", u"\\cf1 SAVE/CLOSE ALL FILES\\cf0 "},
    {u"# EoM", u"\\cf3 # EoM\\cf0 "},
    {u"#EoM", u"\\cf3 # EoM\\cf0 "},
    {u"## MOD Author: ", u"## \\cf1 MOD Author:\\cf0  "},
    {u"## MOD Description: ", u"## \\cf1 MOD Description:\\cf0  "},
    {u"## MOD Version: ", u"## \\cf1 MOD Version:\\cf0  "},
    {u"## Installation Level: ", u"## \\cf1 Installation Level:\\cf0  "},
    {u"## Installation Time: ", u"## \\cf1 Installation Time:\\cf0  "},
    {u"## Files To Edit: ", u"## \\cf1 Files To Edit:\\cf0  "},
    {u"## Included Files: ", u"## \\cf1 Included Files:\\cf0  "},
    {u"## Generator: ", u"## \\cf1 Generator:\\cf0  "},
    {u"## Author Notes: ", u"## \\cf1 Author Notes:\\cf0  "},
}};

struct Marker {
    QString text;
    TextColor color;
};

} // namespace

QString RewriteKeywordRtf(const QString& rtf)
{
    QString out = rtf;
    for (const auto& [search, replacement] : Rules)
        out.replace(QString::fromUtf16(search), QString::fromUtf16(replacement), Qt::CaseSensitive);
    return out;
}

void ColourMarkers(RichTextControl& c, int savedStart, int savedLength)
{
    const Marker markers[3] = {
        {QStringLiteral("Mod Title:"), MarkerColors::Blue},
        {ModFormat::backupNotice(), MarkerColors::DarkRed},
        {ModFormat::endOfMod(), MarkerColors::Green},
    };
    for (int step = 0; step < 3; ++step) {
        c.find(markers[step].text, c.selStart() + c.selLength());
        bool set = false;
        if (c.selLength() > 0) {
            const TextColor now = c.selColor();
            // A mixed selection counts as coloured already.
            if (!now.isMixed() && now != markers[step].color) {
                c.setSelColor(markers[step].color);
                set = true;
            }
        }
        if (step < 2) {
            c.setSelLength(0);
        } else if (set) {
            c.setSelStart(savedStart);
            c.setSelLength(savedLength);
        }
    }
}
