#include "ui/platform/FreedMemory.h"

#include <cstdlib> // the C library's headers say which library it is

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Quillwright {

namespace FreedMemory {

void release()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace FreedMemory

} // namespace Quillwright
