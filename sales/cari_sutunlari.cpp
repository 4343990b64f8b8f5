#include "cari_sutunlari.h"

namespace rvz::sales {

std::vector<TIzgaraSutunu> CariSutunlari() {
    struct Satir {
        const char* alan;
        bool gorunur;
        OzetCinsi ozet = OzetCinsi::Yok;
    };
    static const Satir tablo[] = {
        {"CARINO", false},
        {"CARIKOD", true, OzetCinsi::Adet},
        {"CARIADI", true},
        {"SATICISI", true},
        {"TLBAKIYE", true},
        {"DURUM", true},
        {"OZELKOD", false},
        {"KOD1", false},
        {"KOD2", false},
        {"KOD3", false},
        {"KOD4", false},
        {"KOD5", false},
        {"TEL1", false},
        {"TEL2", false},
        {"ILCE", false},
        {"IL", false},
        {"GSM", false},
        {"SEPET", true},
        {"YETKILI", false},
        {"INDIRIM", false},
        {"VADE", false},
        {"VADEKONTROLGUN", false},
        {"VADEKONTROLAY", false},
        {"VERGIDAIRESI", false},
        {"VERGINO", false},
        {"ADRES1", false},
        {"ADRES2", false},
        {"ANAGRUP", false},
        {"ALTGRUP", false},
        {"FAX1", false},
        {"FAX2", false},
        {"EMAIL", false},
        {"ALINDI", true},
        {"ONAYLANDI", true},
        {"GORULDU", true},
        {"HAZIRLANDI", true},
        {"PARCALIHAZIRLANDI", true},
    };
    std::vector<TIzgaraSutunu> sutunlar;
    for (const auto& s : tablo)
        sutunlar.push_back({.alan = s.alan, .gorunur = s.gorunur, .ozet = s.ozet});
    return sutunlar;
}

} // namespace rvz::sales
