#pragma once

#include "core/text/LineSplice.h"

#include <vector>

namespace Quillwright {

// Which lines (or other entries) changed since a copy was last brought up to
// date: stretches of the current entries, each with the number of entries it
// replaced in the copy. Sorted and apart, so a copy is brought up to date by
// replacing each stretch, top down.
class ChangedLines {
public:
    struct Stretch {
        int start = 0;    // in the current numbering
        int length = 0;   // lines now
        int replaced = 0; // lines of the copy it stands for
    };
    void add(const LineSplice& splice);
    void clear() { m_stretches.clear(); }
    bool empty() const { return m_stretches.empty(); }
    const std::vector<Stretch>& stretches() const { return m_stretches; }

private:
    std::vector<Stretch> m_stretches;
};

} // namespace Quillwright
