#include "yuvarla.h"

#include <charconv>
#include <cmath>
#include <string>

namespace rvz::app {

double Yuvarla(double deger) {
    if (!std::isfinite(deger))
        return deger;
    // Shortest form that reads back as the same double, in plain notation (no exponent).
    char tampon[400];
    const auto [son, hata] = std::to_chars(tampon, tampon + sizeof tampon, deger, std::chars_format::fixed);
    if (hata != std::errc{})
        return deger;
    std::string metin(tampon, son);
    const auto nokta = metin.find('.');
    if (nokta == std::string::npos || metin.size() - nokta - 1 <= 2)
        return deger;

    const bool yukari = metin[nokta + 3] >= '5';
    metin.resize(nokta + 3);
    if (yukari) {
        // Add one unit of the last kept digit to the magnitude, carrying leftwards.
        auto i = metin.size();
        for (;;) {
            --i;
            if (metin[i] == '.')
                continue;
            if (metin[i] == '-') {
                metin.insert(i + 1, 1, '1');
                break;
            }
            if (metin[i] != '9') {
                ++metin[i];
                break;
            }
            metin[i] = '0';
            if (i == 0) {
                metin.insert(0, 1, '1');
                break;
            }
        }
    }
    double sonuc = 0;
    std::from_chars(metin.data(), metin.data() + metin.size(), sonuc);
    return sonuc + 0.0; // no negative zero
}

} // namespace rvz::app
