#include "core/script/ActionOutline.h"

#include "core/script/ModFormat.h"

namespace ActionOutline {
namespace {
const QString Pattern = QStringLiteral("#\r\n#-----[ ");
const QString Closing = QStringLiteral(" ]---");
} // namespace

int countBanners(const QString& text)
{
    return int(text.count(Pattern));
}

QStringList scanKeywords(const QString& text)
{
    QStringList keywords;
    // The sentinel makes every search succeed: an unclosed last banner runs
    // to the end of the text.
    const QString t = text + Pattern + Closing;
    const qsizetype limit = text.size();
    qsizetype pos = t.indexOf(Pattern);
    while (pos >= 0 && pos < limit) {
        const qsizetype start = pos + Pattern.size();
        const qsizetype end = t.indexOf(Closing, start);
        keywords << t.mid(start, end - start);
        pos = t.indexOf(Pattern, start);
    }
    return keywords;
}

int keywordPicture(const QString& keyword)
{
    if (keyword == u"OPEN" || keyword == u"SAVE/CLOSE ALL FILES")
        return 14;
    if (keyword == u"FIND" || keyword == u"IN-LINE FIND")
        return 15;
    if (keyword == u"AFTER, ADD" || keyword == u"IN-LINE AFTER, ADD")
        return 16;
    if (keyword == u"BEFORE, ADD" || keyword == u"IN-LINE BEFORE, ADD")
        return 17;
    if (keyword == u"REPLACE")
        return 18;
    return 0;
}

bool Model::refresh(const QString& text, bool force)
{
    return refresh(
        countBanners(text), [&text] { return text; }, force);
}

bool Model::refresh(int bannerCount, const std::function<QString()>& text, bool force)
{
    if (!force && int(m_nodes.size()) == bannerCount)
        return false;
    const QStringList keywords = scanKeywords(text());
    std::vector<Node> nodes;
    nodes.reserve(size_t(keywords.size()));
    for (int i = 0; i < keywords.size(); ++i)
        nodes.push_back(
            {QStringLiteral("action%1").arg(i + 1), keywords[i], keywordPicture(keywords[i])});
    if (nodes == m_nodes)
        return false;
    m_nodes = std::move(nodes);
    return true;
}

} // namespace ActionOutline
