#include "arama.h"

#include <cstdint>

namespace rvz::sunucu {

namespace {

// The ASCII letter a Turkish (or other common Latin) letter folds to, or 0 to drop it.
char Katla(std::uint32_t c) {
    switch (c) {
    case 0xC7:
    case 0xE7:
        return 'C'; // Ç ç
    case 0x11E:
    case 0x11F:
        return 'G'; // Ğ ğ
    case 0x130:
    case 0x131:
        return 'I'; // İ ı
    case 0xD6:
    case 0xF6:
        return 'O'; // Ö ö
    case 0x15E:
    case 0x15F:
        return 'S'; // Ş ş
    case 0xDC:
    case 0xFC:
        return 'U'; // Ü ü
    case 0xC2:
    case 0xE2:
        return 'A'; // Â â
    case 0xCE:
    case 0xEE:
        return 'I'; // Î î
    case 0xDB:
    case 0xFB:
        return 'U'; // Û û
    default:
        return 0;
    }
}

} // namespace

std::string AramaAnahtari(std::string_view metin) {
    std::string a;
    a.reserve(metin.size());
    for (std::size_t i = 0; i < metin.size();) {
        const auto b = static_cast<unsigned char>(metin[i]);
        if (b < 0x80) {
            ++i;
            if (b >= 'a' && b <= 'z')
                a += static_cast<char>(b - 'a' + 'A');
            else if ((b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9'))
                a += static_cast<char>(b);
            continue;
        }
        // Decode one UTF-8 sequence; broken bytes are skipped.
        int uzunluk = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
        std::uint32_t c = uzunluk == 2 ? (b & 0x1Fu) : uzunluk == 3 ? (b & 0x0Fu) : (b & 0x07u);
        bool gecerli = uzunluk > 1 && i + static_cast<std::size_t>(uzunluk) <= metin.size();
        for (int k = 1; gecerli && k < uzunluk; ++k) {
            const auto d = static_cast<unsigned char>(metin[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0) != 0x80)
                gecerli = false;
            c = (c << 6) | (d & 0x3Fu);
        }
        i += gecerli ? static_cast<std::size_t>(uzunluk) : 1;
        if (gecerli)
            if (char k = Katla(c))
                a += k;
    }
    return a;
}

std::string StokAnahtari(std::initializer_list<std::string_view> alanlar) {
    std::string a;
    for (auto alan : alanlar) {
        if (!a.empty())
            a += '|';
        a += AramaAnahtari(alan);
    }
    return a;
}

} // namespace rvz::sunucu
