// Compound File Binary (version 3, 512-byte sectors) holding one stream: the container
// of legacy Excel workbooks.
#pragma once

#include <string>

namespace rvz {

// A file with the root entry and one stream of that name. Streams under 4096 bytes are
// padded to 4096 so that no mini stream is needed.
std::string BilesikBelge(const std::string& akisAdi, std::string akis);

} // namespace rvz
