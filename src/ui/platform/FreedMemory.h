#pragma once

namespace Quillwright {

// How the program's freed memory goes back to the system. Opening a big
// script reads, splits, repairs and colours it on worker threads and then
// shows it: the transient copies are freed, but the C library keeps the
// pages for reuse (in each worker's own arena too), and the program would
// hold at rest, and at its peak while opening, far more than the script
// needs.
namespace FreedMemory {
// At start-up, before any thread: big blocks come from the system and go
// straight back when freed, and worker threads share one arena.
void configure();
// Gives back what the allocator keeps of the small blocks freed since.
void release();
} // namespace FreedMemory

} // namespace Quillwright
