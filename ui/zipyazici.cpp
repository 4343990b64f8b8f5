#include "zipyazici.h"

#include "baytlar.h"

#include <array>
#include <stdexcept>

namespace rvz {

std::uint32_t Crc32(const std::string& veri) {
    static const auto tablo = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : veri)
        c = tablo[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void TZipYazici::Ekle(std::string ad, std::string veri) {
    if (veri.size() >= 0xFFFFFFFFu)
        throw std::length_error("Dosya çok büyük");
    girdiler_.push_back({std::move(ad), std::move(veri)});
}

std::string TZipYazici::Bitir() const {
    using namespace bayt;
    constexpr std::uint16_t kSaat = 0;                         // 00:00
    constexpr std::uint16_t kTarih = (44 << 9) | (1 << 5) | 1; // 2024-01-01
    std::string zip, merkez;
    for (const auto& g : girdiler_) {
        const auto konum = static_cast<std::uint32_t>(zip.size());
        const auto crc = Crc32(g.veri);
        const auto boy = static_cast<std::uint32_t>(g.veri.size());
        const auto adBoyu = static_cast<std::uint16_t>(g.ad.size());
        U32(zip, 0x04034B50);
        U16(zip, 20);
        U16(zip, 0x0800); // names in UTF-8
        U16(zip, 0);      // stored
        U16(zip, kSaat);
        U16(zip, kTarih);
        U32(zip, crc);
        U32(zip, boy);
        U32(zip, boy);
        U16(zip, adBoyu);
        U16(zip, 0);
        zip += g.ad;
        zip += g.veri;

        U32(merkez, 0x02014B50);
        U16(merkez, 20);
        U16(merkez, 20);
        U16(merkez, 0x0800);
        U16(merkez, 0);
        U16(merkez, kSaat);
        U16(merkez, kTarih);
        U32(merkez, crc);
        U32(merkez, boy);
        U32(merkez, boy);
        U16(merkez, adBoyu);
        U16(merkez, 0);
        U16(merkez, 0);
        U16(merkez, 0);
        U16(merkez, 0);
        U32(merkez, 0);
        U32(merkez, konum);
        merkez += g.ad;
    }
    const auto merkezKonumu = static_cast<std::uint32_t>(zip.size());
    zip += merkez;
    U32(zip, 0x06054B50);
    U16(zip, 0);
    U16(zip, 0);
    U16(zip, static_cast<std::uint16_t>(girdiler_.size()));
    U16(zip, static_cast<std::uint16_t>(girdiler_.size()));
    U32(zip, static_cast<std::uint32_t>(merkez.size()));
    U32(zip, merkezKonumu);
    U16(zip, 0);
    return zip;
}

} // namespace rvz
