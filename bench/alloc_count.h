#pragma once
// A counting allocator: every C++ allocation of the benchmark process goes
// through global operator new/delete, which keep the bytes in use and their
// high-water mark. Qt's own C allocations (image pixels, glyph caches) are not
// seen here; the resident-set figures cover those.
#include <cstddef>

std::size_t AllocCurrent();
std::size_t AllocPeak();
// Starts a new high-water mark from the bytes in use now.
void AllocResetPeak();

// The process's resident-set high-water mark, in bytes.
std::size_t MaxRssBytes();
