#include "akis.h"

namespace rvz {

std::optional<std::string> AkisOku(TStream* akis, std::int64_t boy) {
    if (!akis)
        return std::nullopt;
    akis->Seek(0);
    if (boy == 0)
        return std::nullopt;
    constexpr std::int64_t kParca = 1024;
    std::string tampon;
    char parca[kParca];
    for (;;) {
        const auto okunan = akis->Read(parca, kParca);
        if (okunan > 0)
            tampon.append(parca, static_cast<std::size_t>(okunan));
        if (okunan < kParca)
            break;
    }
    if (static_cast<std::int64_t>(tampon.size()) != boy)
        return std::nullopt;
    return tampon;
}

} // namespace rvz
