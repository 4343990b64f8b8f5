// Allocator tuning for processes that move large messages.
#pragma once

namespace rvz {

// Replies of hundreds of kilobytes (a search, a basket) are built and freed on every call.
// By default glibc maps such buffers separately and hands memory back to the system after
// each call, so every call pays again for fresh pages; on a 2,000-row search that cost was
// several times the work itself.
//
// The limits work best when glibc reads them at start-up from GLIBC_TUNABLES (a search on the
// 100,000-item demo: about 10 ms instead of 30 ms with the same limits set later through
// mallopt). So when the variable does not carry them yet, this sets it and starts the program
// again in place (same process, same arguments); when that cannot be done it falls back to
// mallopt. Call it first thing in main, before any thread exists.
void BellekAyarla(char** argv);

} // namespace rvz
