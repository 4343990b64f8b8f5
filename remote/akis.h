// The one way every caller reads a stream result.
#pragma once

#include "dbx.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rvz {

// Rewinds the stream and reads it in 1024-byte chunks until a read comes back short.
// Answers the bytes only when their total equals the announced length `boy`; an announced
// length of 0, a missing stream or a total that differs answer nothing.
std::optional<std::string> AkisOku(TStream* akis, std::int64_t boy);

} // namespace rvz
