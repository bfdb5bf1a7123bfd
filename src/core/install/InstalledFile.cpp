#include "core/install/InstalledFile.h"

namespace Quillwright {

namespace Install {

std::unique_ptr<InstalledFile> InstalledFile::fromForum(const QString& path,
                                                        const QByteArray& bytes)
{
    auto file = std::make_unique<InstalledFile>();
    file->m_path = path;
    file->m_original = bytes;
    std::optional<ForumTextFile> text = ForumTextFile::decode(bytes);
    if (!text) {
        file->m_isText = false;
        file->m_binary = bytes;
        return file;
    }
    file->m_text = std::move(*text);
    file->m_vanillaText = file->m_text;
    const int n = file->lineCount();
    file->m_stripped.resize(size_t(n));
    file->m_vanilla.resize(size_t(n));
    file->m_madeBy.assign(size_t(n), Origin());
    for (int i = 0; i < n; ++i) {
        file->restrip(i);
        file->m_vanilla[size_t(i)] = i;
    }
    return file;
}

std::unique_ptr<InstalledFile> InstalledFile::made(const QString& path,
                                                   std::optional<QByteArray> original)
{
    auto file = std::make_unique<InstalledFile>();
    file->m_path = path;
    file->m_original = std::move(original);
    return file;
}

void InstalledFile::restrip(int i)
{
    m_stripped[size_t(i)] = ModReader::withoutWhitespace(m_text.lines[size_t(i)].text);
}

void InstalledFile::copy(const QByteArray& bytes, Origin by)
{
    std::optional<ForumTextFile> text = ForumTextFile::decode(bytes);
    m_isText = text.has_value();
    m_binary = bytes;
    if (text) {
        m_text = std::move(*text);
        const int n = lineCount();
        m_stripped.assign(size_t(n), QString());
        m_vanilla.assign(size_t(n), -1);
        m_madeBy.assign(size_t(n), by);
        for (int i = 0; i < n; ++i)
            restrip(i);
    }
    m_changed = true;
}

void InstalledFile::insert(int at, const std::vector<QString>& lines, Origin by)
{
    if (lines.empty())
        return;
    m_text.insert(at, lines);
    const auto n = lines.size();
    m_stripped.insert(m_stripped.begin() + at, n, QString());
    m_vanilla.insert(m_vanilla.begin() + at, n, -1);
    m_madeBy.insert(m_madeBy.begin() + at, n, by);
    for (size_t i = 0; i < n; ++i)
        restrip(at + int(i));
    m_changed = true;
}

void InstalledFile::remove(int at, int count, Origin by)
{
    for (int i = at; i < at + count; ++i)
        if (const int was = m_vanilla[size_t(i)]; was >= 0)
            m_removedBy[was] = by;
    m_text.remove(at, count);
    m_stripped.erase(m_stripped.begin() + at, m_stripped.begin() + at + count);
    m_vanilla.erase(m_vanilla.begin() + at, m_vanilla.begin() + at + count);
    m_madeBy.erase(m_madeBy.begin() + at, m_madeBy.begin() + at + count);
    m_changed = true;
}

void InstalledFile::setLine(int i, const QString& text, Origin by)
{
    ForumTextFile::Line& l = m_text.lines[size_t(i)];
    if (l.text == text)
        return;
    l.text = text;
    restrip(i);
    m_changed = true;
    if (const int was = m_vanilla[size_t(i)]; was >= 0)
        m_removedBy[was] = by;
    m_madeBy[size_t(i)] = by;
}

std::optional<Origin> InstalledFile::earlierChange(const ModReader::FindText& find,
                                                   int script) const
{
    if (script == 0 || !m_vanillaText)
        return std::nullopt;
    std::vector<QString> stripped;
    for (const ForumTextFile::Line& l : m_vanillaText->lines)
        stripped.push_back(ModReader::withoutWhitespace(l.text));
    const std::vector<int> hit = ModReader::findLines(stripped, find);
    if (hit.empty())
        return std::nullopt;
    const int first = hit.front();
    const int last = hit.back();
    for (int line = first; line <= last; ++line)
        if (const auto it = m_removedBy.find(line); it != m_removedBy.end())
            return it->second;
    // A line added among them, or one of them changed.
    for (size_t now = 0; now < m_vanilla.size(); ++now) {
        const int was = m_vanilla[now];
        const Origin by = m_madeBy[now];
        const bool among =
            (was >= first && was <= last) ||
            (was < 0 && now > 0 && m_vanilla[now - 1] >= first && m_vanilla[now - 1] < last);
        if (by.script >= 0 && by.script < script && among)
            return by;
    }
    return std::nullopt;
}

std::optional<QByteArray> InstalledFile::result() const
{
    if (!m_changed)
        return std::nullopt;
    QByteArray bytes = m_isText ? m_text.encode() : m_binary;
    if (m_original && bytes == *m_original)
        return std::nullopt; // the same bytes: nothing to show or write
    return bytes;
}

} // namespace Install

} // namespace Quillwright
