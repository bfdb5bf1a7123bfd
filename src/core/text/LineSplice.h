#pragma once

#include <vector>

namespace Quillwright {

// Which lines a change replaced, as the controls report their changes.

// Lines [line, line + removed) of the content before a change became
// lines [line, line + added) after it; a change inside one line is {n, 1, 1}.
struct LineSplice {
    int line = 0;
    int removed = 1;
    int added = 1;
    friend bool operator==(const LineSplice&, const LineSplice&) = default;
};

struct LineChanges {
    std::vector<LineSplice> splices; // in the order they happened
    bool everything = false;         // too many to list: treat every line as new
};

} // namespace Quillwright
