#pragma once

// Hands the memory freed by a large piece of work (a listing, a preview, the end of a batch) back to the
// system. The allocator keeps freed small blocks for reuse by the thread that made them, and a listing runs
// on a thread of its own: without this, the names a million rows dropped would stay resident beside the
// next million.
void ReturnFreedMemory();
