#include "core/text/SortedLines.h"

#include <algorithm>

namespace Quillwright {

int SortedLines::lowerBound(int line) const
{
    const auto before = m_data.begin() + std::ptrdiff_t(m_gapStart);
    if (m_gapStart > 0 && m_data[m_gapStart - 1] >= line)
        return int(std::lower_bound(m_data.begin(), before, line) - m_data.begin());
    const auto after = m_data.begin() + std::ptrdiff_t(m_gapEnd);
    return int(m_gapStart) + int(std::lower_bound(after, m_data.end(), line) - after);
}

bool SortedLines::contains(int line) const
{
    const int place = lowerBound(line);
    return place < size() && (*this)[place] == line;
}

void SortedLines::moveGap(size_t place)
{
    const auto at = [this](size_t i) { return m_data.begin() + std::ptrdiff_t(i); };
    if (place < m_gapStart) {
        std::move_backward(at(place), at(m_gapStart), at(m_gapEnd));
        m_gapEnd -= m_gapStart - place;
        m_gapStart = place;
    } else if (place > m_gapStart) {
        const size_t count = place - m_gapStart;
        std::move(at(m_gapEnd), at(m_gapEnd + count), at(m_gapStart));
        m_gapStart += count;
        m_gapEnd += count;
    }
}

int SortedLines::insert(int line)
{
    const int place = lowerBound(line);
    if (place < size() && (*this)[place] == line)
        return place;
    if (gap() == 0) {
        // Room for as many again, the gap where the entry goes.
        const size_t entries = m_data.size();
        const size_t room = std::max<size_t>(16, entries);
        std::vector<int> grown(entries + room);
        std::copy(m_data.begin(), m_data.begin() + place, grown.begin());
        std::copy(m_data.begin() + place, m_data.end(),
                  grown.begin() + place + std::ptrdiff_t(room));
        m_data = std::move(grown);
        m_gapStart = size_t(place);
        m_gapEnd = size_t(place) + room;
    } else {
        moveGap(size_t(place));
    }
    m_data[m_gapStart++] = line;
    return place;
}

void SortedLines::erase(int line)
{
    const int place = lowerBound(line);
    if (place < size() && (*this)[place] == line) {
        moveGap(size_t(place));
        ++m_gapEnd;
    }
}

int SortedLines::eraseRange(int first, int last)
{
    const int a = lowerBound(first);
    const int b = std::max(a, lowerBound(last));
    moveGap(size_t(a));
    m_gapEnd += size_t(b - a);
    return b - a;
}

void SortedLines::shift(int from, int delta)
{
    const size_t place = size_t(lowerBound(from));
    for (size_t i = place; i < m_gapStart; ++i)
        m_data[i] += delta;
    for (size_t i = place < m_gapStart ? m_gapEnd : place + gap(); i < m_data.size(); ++i)
        m_data[i] += delta;
}

void SortedLines::clear()
{
    m_data.clear();
    m_gapStart = m_gapEnd = 0;
}

std::vector<int> SortedLines::values() const
{
    std::vector<int> out(m_data.begin(), m_data.begin() + std::ptrdiff_t(m_gapStart));
    out.insert(out.end(), m_data.begin() + std::ptrdiff_t(m_gapEnd), m_data.end());
    return out;
}

} // namespace Quillwright
