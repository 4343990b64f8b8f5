#include "temel_yontemler.h"

namespace rvz::sunucu {

std::string Tersten(std::string_view metin) {
    std::string sonuc;
    sonuc.reserve(metin.size());
    std::size_t son = metin.size();
    while (son > 0) {
        std::size_t bas = son - 1;
        // Step back over continuation bytes (10xxxxxx) to the start of the character.
        while (bas > 0 && (static_cast<unsigned char>(metin[bas]) & 0xC0) == 0x80 && son - bas < 4)
            --bas;
        sonuc.append(metin.substr(bas, son - bas));
        son = bas;
    }
    return sonuc;
}

void TemelYontemleriKaydet(Dagitici& d) {
    d.Kaydet("EchoString", [](const CagriBaglami&, Konumlar& k) { k.Sonuc(Deger::String(k.Metin(0))); });
    d.Kaydet("ReverseString",
             [](const CagriBaglami&, Konumlar& k) { k.Sonuc(Deger::String(Tersten(k.Metin(0)))); });
}

} // namespace rvz::sunucu
