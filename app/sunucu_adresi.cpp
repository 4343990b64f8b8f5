#include "sunucu_adresi.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace rvz::app {

SunucuAdresi SunucuAdresiAl() {
    SunucuAdresi adres{RVZ_SUNUCU_HOST, RVZ_SUNUCU_PORT};
    if (const char* host = std::getenv("RUVIZEZEVUV_HOST"); host && *host)
        adres.host = host;
    if (const char* port = std::getenv("RUVIZEZEVUV_PORT"); port && *port) {
        const std::string_view metin(port);
        std::uint16_t deger = 0;
        const auto [son, hata] = std::from_chars(metin.data(), metin.data() + metin.size(), deger);
        // A port that is not a number in range leaves the built-in one.
        if (hata == std::errc{} && son == metin.data() + metin.size() && deger != 0)
            adres.port = deger;
    }
    return adres;
}

} // namespace rvz::app
