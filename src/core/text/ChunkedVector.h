#pragma once

#include "core/text/IndexIterator.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Quillwright {

// A sequence for one entry per line of a script: replacing a stretch in the
// middle costs the chunks it touches, not the length of the sequence.
// Elements live in chunks of about ChunkSize; each chunk knows where it
// starts and the sum of its elements' weights (a line's length, for
// finding line starts), kept as prefix sums over the chunks.
//
// Chunks are shared between copies and copied only when one of the copies
// changes them, so a copy costs a pointer a chunk: an undo snapshot or a
// recovery journal takes the whole script without copying its lines. The
// elements of a copy may be read from another thread while the original is
// changed, as long as no two threads copy or change the same object.
template <typename T> class ChunkedVector {
public:
    using Weight = std::function<int(const T&)>;
    static constexpr int ChunkSize = 256;

    explicit ChunkedVector(Weight weight = {}) : m_weight(std::move(weight)) {}

    int size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    const T& operator[](int i) const
    {
        const auto [c, offset] = locate(i);
        return (*m_chunks[size_t(c)])[size_t(offset)];
    }

    // For a sequence without weights: an element to change in place.
    T& mutableAt(int i)
    {
        const auto [c, offset] = locate(i);
        return ownChunk(c)[size_t(offset)];
    }

    // Replaces one element in place.
    void set(int i, T value)
    {
        const auto [c, offset] = locate(i);
        T& slot = ownChunk(c)[size_t(offset)];
        // An element whose weight stays the same (a line coloured anew)
        // leaves the chunks after it alone: loading colours every banner.
        if (const int delta = m_weight ? m_weight(value) - m_weight(slot) : 0; delta != 0) {
            m_chunkWeights[size_t(c)] += delta;
            for (size_t k = size_t(c) + 1; k < m_weightStarts.size(); ++k)
                m_weightStarts[k] += delta;
            m_totalWeight += delta;
        }
        slot = std::move(value);
    }

    // Replaces elements [at, at + count) by `items`.
    void replace(int at, int count, std::vector<T> items)
    {
        if (m_chunks.empty()) {
            rechunk(0, 0, std::move(items));
            return;
        }
        // The chunks that hold the stretch, or the one it is inserted into.
        const int first = locate(std::min(at, m_size - 1)).first;
        int last = count > 0 ? locate(at + count - 1).first : first;
        // A chunk left small takes in its neighbour, so chunks stay few.
        const int remaining = chunkLength(first, last + 1) - count + int(items.size());
        if (remaining < ChunkSize / 2 && last + 1 < int(m_chunks.size()))
            ++last;
        std::vector<T> merged;
        merged.reserve(size_t(chunkLength(first, last + 1) - count) + items.size());
        const int base = m_starts[size_t(first)];
        for (int c = first; c <= last; ++c) {
            // A chunk another copy shares is read, not taken apart.
            const bool shared = m_chunks[size_t(c)].use_count() > 1;
            std::vector<T>& chunk = *m_chunks[size_t(c)];
            for (int k = 0; k < int(chunk.size()); ++k) {
                const int index = m_starts[size_t(c)] + k;
                if (index == at)
                    std::move(items.begin(), items.end(), std::back_inserter(merged));
                if (index < at || index >= at + count) {
                    if (shared)
                        merged.push_back(chunk[size_t(k)]);
                    else
                        merged.push_back(std::move(chunk[size_t(k)]));
                }
            }
        }
        if (at >= base + chunkLength(first, last + 1))
            std::move(items.begin(), items.end(), std::back_inserter(merged)); // at the end
        rechunk(first, last + 1, std::move(merged));
    }

    void assign(std::vector<T> items)
    {
        m_chunks.clear();
        m_starts.clear();
        m_chunkWeights.clear();
        m_weightStarts.clear();
        m_size = 0;
        m_totalWeight = 0;
        rechunk(0, 0, std::move(items));
    }

    // The sum of the weights of elements [0, i).
    int weightBefore(int i) const
    {
        if (i >= m_size)
            return m_totalWeight;
        const auto [c, offset] = locate(i);
        int sum = m_weightStarts[size_t(c)];
        const std::vector<T>& chunk = *m_chunks[size_t(c)];
        for (int k = 0; k < offset; ++k)
            sum += m_weight(chunk[size_t(k)]);
        return sum;
    }

    // The last element whose preceding weights sum to at most `w`.
    int indexAtWeight(int w) const
    {
        if (m_chunks.empty())
            return 0;
        const auto it = std::upper_bound(m_weightStarts.begin(), m_weightStarts.end(), w);
        const int c = std::max(int(it - m_weightStarts.begin()) - 1, 0);
        int sum = m_weightStarts[size_t(c)];
        const std::vector<T>& chunk = *m_chunks[size_t(c)];
        for (int k = 0; k < int(chunk.size()); ++k) {
            sum += m_weight(chunk[size_t(k)]);
            if (sum > w)
                return m_starts[size_t(c)] + k;
        }
        return std::min(m_starts[size_t(c)] + int(chunk.size()), m_size - 1);
    }

    // Element by element, for range-for.
    using const_iterator = IndexIterator<ChunkedVector>;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, m_size}; }

    friend bool operator==(const ChunkedVector& a, const ChunkedVector& b)
    {
        if (a.m_size != b.m_size)
            return false;
        for (int i = 0; i < a.m_size; ++i)
            if (!(a[i] == b[i]))
                return false;
        return true;
    }

    template <typename F> void forEach(F f) const
    {
        for (const auto& chunk : m_chunks)
            for (const T& item : *chunk)
                f(item);
    }
    // Chunks [from, to), each as a vector: for a walk that looks ahead within
    // a chunk, or one that two threads share out, which must not ask for
    // elements by index at the same time (that remembers the chunk found).
    int chunkCount() const { return int(m_chunks.size()); }
    int chunkStart(int c) const { return c < chunkCount() ? m_starts[size_t(c)] : m_size; }
    template <typename F> void forEachChunk(int from, int to, F f) const
    {
        for (int c = from; c < to; ++c)
            f(std::as_const(*m_chunks[size_t(c)]));
    }

    // The stretches where two sequences differ, ascending: [at, at + removed)
    // of this one stands where [otherAt, otherAt + added) of the other does.
    // Chunks both share are passed over whole wherever they stand, so two
    // copies that went apart by a few edits anywhere cost the chunks those
    // edits touched; inside a stretch the elements `same` finds alike at its
    // ends are left out.
    struct Difference {
        int at = 0;
        int removed = 0;
        int otherAt = 0;
        int added = 0;
    };
    template <typename Same>
    std::vector<Difference> differences(const ChunkedVector& other, const Same& same) const
    {
        // The chunks both share at the ends are passed by comparing pointers;
        // only the chunks between are looked up.
        size_t front = 0;
        const size_t shorter = std::min(m_chunks.size(), other.m_chunks.size());
        while (front < shorter && m_chunks[front] == other.m_chunks[front])
            ++front;
        size_t back = 0;
        while (back < shorter - front && m_chunks[m_chunks.size() - 1 - back] ==
                                             other.m_chunks[other.m_chunks.size() - 1 - back])
            ++back;
        std::unordered_map<const std::vector<T>*, size_t> inOther;
        inOther.reserve(other.m_chunks.size() - front - back);
        for (size_t k = front; k < other.m_chunks.size() - back; ++k)
            inOther.emplace(other.m_chunks[k].get(), k);
        std::vector<Difference> out;
        int a = 0; // where the stretch not yet matched begins, here and there
        int b = 0;
        const auto close = [&](int aEnd, int bEnd) {
            while (a < aEnd && b < bEnd && same((*this)[a], other[b]))
                ++a, ++b;
            while (aEnd > a && bEnd > b && same((*this)[aEnd - 1], other[bEnd - 1]))
                --aEnd, --bEnd;
            if (aEnd > a || bEnd > b)
                out.push_back({a, aEnd - a, b, bEnd - b});
        };
        if (front > 0) {
            a = m_starts[front - 1] + int(m_chunks[front - 1]->size());
            b = a;
        }
        size_t next = front; // chunks of the other before this one are passed
        for (size_t c = front; c < m_chunks.size() - back; ++c) {
            const auto found = inOther.find(m_chunks[c].get());
            if (found == inOther.end() || found->second < next)
                continue;
            // A chunk both share: what lies before it differs.
            close(m_starts[c], other.m_starts[found->second]);
            a = m_starts[c] + int(m_chunks[c]->size());
            b = other.m_starts[found->second] + int(m_chunks[c]->size());
            next = found->second + 1;
        }
        if (back > 0)
            close(m_starts[m_chunks.size() - back], other.m_starts[other.m_chunks.size() - back]);
        else
            close(m_size, other.m_size);
        return out;
    }

private:
    std::vector<T>& ownChunk(int c)
    {
        auto& chunk = m_chunks[size_t(c)];
        if (chunk.use_count() > 1)
            chunk = std::make_shared<std::vector<T>>(*chunk);
        return *chunk;
    }

    std::pair<int, int> locate(int i) const
    {
        // Most walks go element after element: try the chunk found last,
        // then the one after it, before searching.
        for (int c = m_lastChunk; c <= m_lastChunk + 1 && c < int(m_chunks.size()); ++c) {
            const int start = m_starts[size_t(c)];
            if (i >= start && i < start + int(m_chunks[size_t(c)]->size())) {
                m_lastChunk = c;
                return {c, i - start};
            }
        }
        const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), i);
        const int c = std::max(int(it - m_starts.begin()) - 1, 0);
        m_lastChunk = c;
        return {c, i - m_starts[size_t(c)]};
    }

    int chunkLength(int from, int to) const
    {
        int n = 0;
        for (int c = from; c < to; ++c)
            n += int(m_chunks[size_t(c)]->size());
        return n;
    }

    // Chunks [from, to) become `items`, cut into chunks again.
    void rechunk(int from, int to, std::vector<T> items)
    {
        std::vector<std::shared_ptr<std::vector<T>>> made;
        const size_t n = items.size();
        const size_t pieces = std::max<size_t>((n + ChunkSize - 1) / ChunkSize, n > 0 ? 1 : 0);
        for (size_t p = 0; p < pieces; ++p) {
            const size_t a = n * p / pieces;
            const size_t b = n * (p + 1) / pieces;
            made.push_back(std::make_shared<std::vector<T>>(
                std::make_move_iterator(items.begin() + std::ptrdiff_t(a)),
                std::make_move_iterator(items.begin() + std::ptrdiff_t(b))));
        }
        std::vector<int> weights;
        for (const auto& chunk : made) {
            int w = 0;
            if (m_weight)
                for (const T& item : *chunk)
                    w += m_weight(item);
            weights.push_back(w);
        }
        // What the chunks going held, read before they go; the new chunks
        // start where the first of them did.
        const auto startOf = [](const std::vector<int>& starts, int c, int total) {
            return c < int(starts.size()) ? starts[size_t(c)] : total;
        };
        const int firstStart = startOf(m_starts, from, m_size);
        const int firstWeight = startOf(m_weightStarts, from, m_totalWeight);
        const int gone = startOf(m_starts, to, m_size) - firstStart;
        const int goneWeight = startOf(m_weightStarts, to, m_totalWeight) - firstWeight;
        std::vector<int> starts;
        std::vector<int> weightStarts;
        int start = firstStart;
        int weight = firstWeight;
        for (size_t p = 0; p < made.size(); ++p) {
            starts.push_back(start);
            weightStarts.push_back(weight);
            start += int(made[p]->size());
            weight += weights[p];
        }
        const auto splice = [from, to](auto& list, auto& fresh) {
            list.erase(list.begin() + from, list.begin() + to);
            list.insert(list.begin() + from, std::make_move_iterator(fresh.begin()),
                        std::make_move_iterator(fresh.end()));
        };
        splice(m_chunks, made);
        splice(m_chunkWeights, weights);
        splice(m_starts, starts);
        splice(m_weightStarts, weightStarts);
        // The chunks after them move by what the stretch gained: a pass over
        // two lists of numbers, not a visit to every chunk.
        const int delta = int(n) - gone;
        const int weightDelta = weight - firstWeight - goneWeight;
        for (size_t c = size_t(from) + pieces; c < m_chunks.size(); ++c) {
            m_starts[c] += delta;
            m_weightStarts[c] += weightDelta;
        }
        m_size += delta;
        m_totalWeight += weightDelta;
        m_lastChunk = 0;
    }

    Weight m_weight;
    std::vector<std::shared_ptr<std::vector<T>>> m_chunks;
    std::vector<int> m_starts;       // index of each chunk's first element
    std::vector<int> m_chunkWeights; // sum of each chunk's weights
    std::vector<int> m_weightStarts; // weights before each chunk
    int m_size = 0;
    int m_totalWeight = 0;
    mutable int m_lastChunk = 0;
};

} // namespace Quillwright
