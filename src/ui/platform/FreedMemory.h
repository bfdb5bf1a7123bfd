#pragma once

namespace Quillwright {

// Gives the freed memory of the allocator back to the system. Opening a big
// script reads, splits, repairs and colours it on a worker thread and then
// shows it: the transient copies are freed, but the C library keeps the
// pages for reuse (in the worker's own arena too), and the program would
// hold at rest several times what the script needs.
namespace FreedMemory {
void release();
}

} // namespace Quillwright
