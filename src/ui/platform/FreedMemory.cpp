#include "ui/platform/FreedMemory.h"

#include <cstdlib> // the C library's headers say which library it is

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Quillwright {

namespace FreedMemory {

void configure()
{
#if defined(__GLIBC__)
    // The C library's own threshold rises to the size of each big block
    // freed (up to 32 MB): after the first copy of a big script's text is
    // freed, every later copy, the widget's growing document among them,
    // comes from the heap and stays there once freed. A fixed threshold
    // keeps them apart: the peak while opening 5 MB falls from 1.5 times
    // the resting figure to 1.05, and the resting figure by a fifth. Below
    // a megabyte, blocks come from the heap and are used again: each block
    // from the system is new pages to fault in, which a check of 1 MB, say,
    // would pay for every time.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    // An arena a thread would keep the lines it made beside its freed
    // transient copies; one arena for all workers holds 3 MB less at rest.
    mallopt(M_ARENA_MAX, 2);
#endif
}

void release()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace FreedMemory

} // namespace Quillwright
