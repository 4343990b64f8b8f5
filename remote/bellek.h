// Allocator tuning for processes that move large messages.
#pragma once

namespace rvz {

// Replies of hundreds of kilobytes (a search, a basket) are built and freed on every call.
// By default the allocator maps such buffers separately and hands memory back to the system
// after each call, so every call pays again for fresh pages; on a 2,000-row search that cost
// was several times the work itself. Keeps large buffers in the heap and trims it only past
// 64 MiB of free memory.
void BellekAyarla();

} // namespace rvz
