#pragma once

namespace Quillwright {

// Walks a sequence that answers [] by place, for range-for over sequences
// that keep their elements in pieces rather than in one array.
template <typename Sequence> class IndexIterator {
public:
    IndexIterator(const Sequence* sequence, int place) : m_sequence(sequence), m_place(place) {}
    decltype(auto) operator*() const { return (*m_sequence)[m_place]; }
    IndexIterator& operator++()
    {
        ++m_place;
        return *this;
    }
    bool operator!=(const IndexIterator& other) const { return m_place != other.m_place; }

private:
    const Sequence* m_sequence;
    int m_place;
};

} // namespace Quillwright
