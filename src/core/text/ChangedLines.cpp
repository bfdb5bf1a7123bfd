#include "core/text/ChangedLines.h"

#include <algorithm>

namespace Quillwright {

void ChangedLines::add(const LineSplice& s)
{
    // The stretches that meet the spliced lines become one with it.
    int start = s.line;
    int end = s.line + s.removed; // before the splice
    int replaced = s.removed;
    // Stretches are sorted and apart: the first that may meet the splice is
    // found by halving (most splices come in order, at the end of the list).
    auto first =
        std::lower_bound(m_stretches.begin(), m_stretches.end(), start,
                         [](const Stretch& st, int line) { return st.start + st.length < line; });
    auto last = first;
    while (last != m_stretches.end() && last->start <= end) {
        const int stretchEnd = last->start + last->length;
        if (last->start < start) {
            replaced += start - last->start;
            start = last->start;
        }
        if (stretchEnd > end) {
            replaced += stretchEnd - end;
            end = stretchEnd;
        }
        replaced += last->replaced - last->length;
        ++last;
    }
    const int delta = s.added - s.removed;
    if (delta != 0)
        for (auto it = last; it != m_stretches.end(); ++it)
            it->start += delta;
    const Stretch merged{start, end - start + delta, replaced};
    if (first == last) {
        m_stretches.insert(first, merged);
    } else {
        *first = merged;
        m_stretches.erase(first + 1, last);
    }
}

} // namespace Quillwright
