#include "bilesikbelge.h"

#include "baytlar.h"

#include <stdexcept>
#include <vector>

namespace rvz {

namespace {

constexpr std::uint32_t kSerbest = 0xFFFFFFFF; // FREESECT, also NOSTREAM
constexpr std::uint32_t kZincirSonu = 0xFFFFFFFE;
constexpr std::uint32_t kFatSektoru = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSektoru = 0xFFFFFFFC;
constexpr std::size_t kSektor = 512;
constexpr std::size_t kBasliktakiFat = 109;

std::size_t Tavan(std::size_t a, std::size_t b) {
    return (a + b - 1) / b;
}

void DizinGirdisi(std::string& s, const std::u16string& ad, std::uint8_t tur, std::uint32_t cocuk,
                  std::uint32_t baslangic, std::uint32_t boy) {
    const auto bas = s.size();
    for (char16_t c : ad)
        bayt::U16(s, c);
    s.resize(bas + 64, '\0');
    bayt::U16(s, ad.empty() ? 0 : static_cast<std::uint16_t>((ad.size() + 1) * 2));
    bayt::U8(s, tur);
    bayt::U8(s, tur == 0 ? 0 : 1); // black
    bayt::U32(s, kSerbest);        // left sibling
    bayt::U32(s, kSerbest);        // right sibling
    bayt::U32(s, cocuk);
    s.append(16 + 4 + 8 + 8, '\0'); // class id, state bits, times
    bayt::U32(s, baslangic);
    bayt::U32(s, boy);
    bayt::U32(s, 0);
}

} // namespace

std::string BilesikBelge(const std::string& akisAdi, std::string akis) {
    if (akis.size() < 4096)
        akis.resize(4096, '\0');
    if (akis.size() > 0x7FFFFFFF)
        throw std::length_error("Dosya çok büyük");
    const std::size_t veri = Tavan(akis.size(), kSektor);
    const std::size_t dizin = 1;
    std::size_t fat = 1, difat = 0;
    for (;;) {
        const std::size_t yeniFat = Tavan(veri + dizin + fat + difat, kSektor / 4);
        const std::size_t yeniDifat = yeniFat > kBasliktakiFat ? Tavan(yeniFat - kBasliktakiFat, 127) : 0;
        if (yeniFat == fat && yeniDifat == difat)
            break;
        fat = yeniFat;
        difat = yeniDifat;
    }
    const auto dizinSektoru = static_cast<std::uint32_t>(veri);
    const auto ilkFat = static_cast<std::uint32_t>(veri + dizin);
    const auto ilkDifat = static_cast<std::uint32_t>(veri + dizin + fat);

    std::string d;
    d.reserve((1 + veri + dizin + fat + difat) * kSektor);
    // Header.
    d.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    d.append(16, '\0');
    bayt::U16(d, 0x003E);
    bayt::U16(d, 0x0003);
    bayt::U16(d, 0xFFFE);
    bayt::U16(d, 9); // 512-byte sectors
    bayt::U16(d, 6); // 64-byte mini sectors
    d.append(6, '\0');
    bayt::U32(d, 0); // directory sectors (always 0 in version 3)
    bayt::U32(d, static_cast<std::uint32_t>(fat));
    bayt::U32(d, dizinSektoru);
    bayt::U32(d, 0);
    bayt::U32(d, 4096);
    bayt::U32(d, kZincirSonu); // no mini FAT
    bayt::U32(d, 0);
    bayt::U32(d, difat > 0 ? ilkDifat : kZincirSonu);
    bayt::U32(d, static_cast<std::uint32_t>(difat));
    for (std::size_t i = 0; i < kBasliktakiFat; ++i)
        bayt::U32(d, i < fat ? ilkFat + static_cast<std::uint32_t>(i) : kSerbest);

    // The stream.
    d += akis;
    d.resize(kSektor + veri * kSektor, '\0');

    // Directory: root, the stream, two empty entries.
    DizinGirdisi(d, u"Root Entry", 5, 1, kZincirSonu, 0);
    DizinGirdisi(d, std::u16string(akisAdi.begin(), akisAdi.end()), 2, kSerbest, 0,
                 static_cast<std::uint32_t>(akis.size()));
    DizinGirdisi(d, u"", 0, kSerbest, 0, 0);
    DizinGirdisi(d, u"", 0, kSerbest, 0, 0);

    // FAT.
    std::vector<std::uint32_t> tablo(fat * (kSektor / 4), kSerbest);
    for (std::size_t i = 0; i < veri; ++i)
        tablo[i] = i + 1 < veri ? static_cast<std::uint32_t>(i + 1) : kZincirSonu;
    tablo[dizinSektoru] = kZincirSonu;
    for (std::size_t i = 0; i < fat; ++i)
        tablo[ilkFat + i] = kFatSektoru;
    for (std::size_t i = 0; i < difat; ++i)
        tablo[ilkDifat + i] = kDifatSektoru;
    for (auto v : tablo)
        bayt::U32(d, v);

    // DIFAT sectors for the FAT sectors beyond the header's 109.
    for (std::size_t i = 0; i < difat; ++i) {
        for (std::size_t j = 0; j < 127; ++j) {
            const std::size_t n = kBasliktakiFat + i * 127 + j;
            bayt::U32(d, n < fat ? ilkFat + static_cast<std::uint32_t>(n) : kSerbest);
        }
        bayt::U32(d, i + 1 < difat ? ilkDifat + static_cast<std::uint32_t>(i + 1) : kZincirSonu);
    }
    return d;
}

} // namespace rvz
