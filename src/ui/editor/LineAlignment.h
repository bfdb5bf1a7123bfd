#pragma once

#include "core/control/RichTextControl.h"
#include "core/text/ChangedLines.h"
#include "core/text/LineStore.h"

#include <vector>

namespace Quillwright {

// How the editor widget's picture of the script is brought up to date: the
// lines it shows are lined up with the store's lines inside each stretch
// that changed since it was last shown (ChangedLines).

// Splices, top to bottom, that turn lines [0, from.size()) into `to`,
// matching equal lines where they stay in order (a line inserted or removed
// among equal ones costs a splice of that line alone).
template <typename From, typename To>
std::vector<LineSplice> alignLines(const From& from, int fromFirst, int fromCount, const To& to,
                                   int toFirst, int toCount)
{
    constexpr int Lookahead = 8;
    std::vector<LineSplice> out;
    const auto add = [&out](int at, int removed, int added) {
        if (!out.empty() && out.back().removed == out.back().added && removed == added &&
            out.back().line + out.back().added == at) {
            out.back().removed += removed;
            out.back().added += added;
        } else {
            out.push_back({at, removed, added});
        }
    };
    const auto same = [&](int i, int j) { return sameLine(from[i], to[j]); };
    int i = fromFirst;
    int j = toFirst;
    const int iEnd = fromFirst + fromCount;
    const int jEnd = toFirst + toCount;
    while (i < iEnd || j < jEnd) {
        if (i < iEnd && j < jEnd && same(i, j)) {
            ++i, ++j;
            continue;
        }
        if (i == iEnd) {
            add(j, 0, jEnd - j);
            break;
        }
        if (j == jEnd) {
            add(j, iEnd - i, 0);
            break;
        }
        if (iEnd - i != jEnd - j) {
            int d = 1;
            for (; d <= Lookahead; ++d) {
                if (j + d < jEnd && same(i, j + d)) {
                    add(j, 0, d);
                    j += d;
                    break;
                }
                if (i + d < iEnd && same(i + d, j)) {
                    add(j, d, 0);
                    i += d;
                    break;
                }
            }
            if (d <= Lookahead)
                continue;
        }
        add(j, 1, 1);
        ++i, ++j;
    }
    return out;
}

} // namespace Quillwright
