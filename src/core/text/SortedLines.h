#pragma once

#include "core/text/IndexIterator.h"

#include <cstddef>
#include <vector>

namespace Quillwright {

// A sorted set of line numbers (the lines that hold a banner, or a marker
// text). A paste reads its lines top down, and each that belongs here goes in
// just after the one before it: the set keeps a gap where it last changed, so
// those entries go in one after another instead of moving every entry after
// them each time (a paste of a thousand banners into a script of a hundred
// thousand moved a hundred million entries).
class SortedLines {
public:
    int size() const { return int(m_data.size() - gap()); }
    bool empty() const { return size() == 0; }
    int operator[](int place) const { return m_data[physical(place)]; }

    // The place of the first entry not below `line`; size() when none is.
    int lowerBound(int line) const;
    bool contains(int line) const;
    // Puts `line` in unless it is there; returns its place.
    int insert(int line);
    // Takes `line` out if it is there.
    void erase(int line);
    // Takes out the entries in [first, last); returns how many there were.
    int eraseRange(int first, int last);
    // Entries from `from` on move by `delta`; the entries stay in order (a
    // stretch that lines move back over was emptied first).
    void shift(int from, int delta);
    void clear();

    std::vector<int> values() const;
    friend bool operator==(const SortedLines& a, const SortedLines& b)
    {
        return a.values() == b.values();
    }

    using const_iterator = IndexIterator<SortedLines>;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    size_t gap() const { return m_gapEnd - m_gapStart; }
    size_t physical(int place) const
    {
        return size_t(place) < m_gapStart ? size_t(place) : size_t(place) + gap();
    }
    void moveGap(size_t place);

    std::vector<int> m_data; // the entries before the gap, the gap, the entries after it
    size_t m_gapStart = 0;
    size_t m_gapEnd = 0;
};

} // namespace Quillwright
