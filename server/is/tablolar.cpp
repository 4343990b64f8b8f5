#include "tablolar.h"

#include <stdexcept>
#include <unordered_map>

namespace rvz::sunucu {

namespace {

const std::unordered_map<std::string_view, SutunTuru>& Turler() {
    using S = SutunTuru;
    static const std::unordered_map<std::string_view, SutunTuru> m = [] {
        std::unordered_map<std::string_view, SutunTuru> t;
        for (auto ad : {"CARINO",
                        "STOK_STOKNO",
                        "STOKNO",
                        "SIRANO",
                        "SIPARISNO",
                        "DURUM",
                        "Y",
                        "K",
                        "RESIM",
                        "BARKOD_BARKODNO",
                        "SEC",
                        "IDNO",
                        "AKTAR",
                        "VERENIDNO",
                        "TESLIMID",
                        "KARGOID",
                        "VERENSIRANO",
                        "STOKHAR_NO",
                        "SATICINO",
                        "VADE",
                        "VADEKONTROLGUN",
                        "VADEKONTROLAY",
                        "SEPET",
                        "ALINDI",
                        "ONAYLANDI",
                        "GORULDU",
                        "HAZIRLANDI",
                        "PARCALIHAZIRLANDI",
                        "SEVKEDILDI",
                        "Ref",
                        "STOKHAR_CARINO",
                        "SUBE_NO",
                        "IRSALIYETIPINO",
                        "SIPARISTIPI",
                        "BELGENO"})
            t[ad] = S::Integer;
        for (auto ad : {"KDV",
                        "KALAN",
                        "ALINANSIPARIS",
                        "VERILENSIPARIS",
                        "LISTEFIYAT1",
                        "KAMPFIYAT",
                        "FIYAT",
                        "ESKIFIYAT",
                        "IND1",
                        "IND2",
                        "IND3",
                        "IND4",
                        "INDIRIM",
                        "NETFIYAT",
                        "KDVDAHIL",
                        "MIKTAR",
                        "BIRIMFIYAT",
                        "TUTAR",
                        "INDIRIMORANI1",
                        "INDIRIMORANI2",
                        "INDIRIMORANI3",
                        "INDIRIMORANI4",
                        "INDIRIMTUTAR",
                        "NETBIRIMFIYAT",
                        "VERGITUTARI",
                        "NETTUTAR",
                        "KURTL",
                        "VERGI",
                        "TESLIMEDILEN",
                        "ILKFIYAT",
                        "ELDEKI",
                        "TLBAKIYE",
                        "BORC",
                        "ALACAK",
                        "BAKIYE",
                        "MATRAH",
                        "TOPLAMINDIRIM",
                        "KDVTUTAR",
                        "TOPLAM",
                        "Tutar",
                        "KurTL",
                        "Döviz Tutar",
                        "STOKHAR_MIKTAR",
                        "STOKHAR_TLBIRIMFIYATI",
                        "STOKHAR_TLTUTAR",
                        "STOKHAR_TLVERGI",
                        "STOKHAR_INDIRIM1",
                        "STOKHAR_INDIRIM2",
                        "STOKHAR_INDIRIM3",
                        "STOKHAR_INDIRIM4",
                        "STOKHAR_INDIRIM5",
                        "STOKHAR_INDIRIM6",
                        "STOKHAR_INDIRIM7",
                        "STOKHAR_INDIRIM8",
                        "STOKHAR_TOPLAMINDIRIM",
                        "STOKHAR_TOPLAMMASRAF",
                        "STOKHAR_NETTLBIRIMFIYATI",
                        "STOKHAR_NETTLTUTAR",
                        "STOKHAR_DOVIZBIRIMFIYATI",
                        "STOKHAR_DOVIZVERGI",
                        "STOKHAR_DOVIZTUTAR",
                        "STOKHAR_MASRAF1",
                        "STOKHAR_MASRAF2",
                        "STOKHAR_DOVIZTOPLAMINDIRIM",
                        "STOKHAR_DOVIZTOPLAMMASRAF",
                        "STOKHAR_NETDOVIZBIRIMFIYATI",
                        "STOKHAR_NETDOVIZTUTAR",
                        "STOKHAR_KURTL",
                        "TLVERGI",
                        "INDIRIM",
                        "GECIKEN"})
            t[ad] = S::Double;
        for (auto ad : {"TARIH", "VERILISTARIHI", "STOKHAR_HAREKETTARIHI", "STOKHAR_VADE",
                        "STOKHAR_IRSTARIHI", "SIPARISTARIHI", "Tarih", "Vade"})
            t[ad] = S::DateTime;
        return t;
    }();
    return m;
}

Hucre Donustur(const Hucre& h, SutunTuru tur) {
    if (std::holds_alternative<std::monostate>(h))
        return h;
    switch (HucreBicimiVer(tur)) {
    case HucreBicimi::Tamsayi:
        return Sayi(h);
    case HucreBicimi::Ondalik:
        return Ondalik(h);
    case HucreBicimi::Metin:
        return Metin(h);
    }
    return h;
}

} // namespace

SutunTuru SutunTuruVer(std::string_view ad) {
    auto it = Turler().find(ad);
    return it == Turler().end() ? SutunTuru::WideText : it->second;
}

Tablo Tabloya(const SorguSonucu& s, OzelTurler ozel) {
    Tablo t;
    for (const auto& ad : s.adlar) {
        auto tur = SutunTuruVer(ad);
        for (const auto& [o, ot] : ozel)
            if (o == ad)
                tur = ot;
        t.SutunEkle(ad, tur);
    }
    t.satirlar.reserve(s.satirlar.size());
    for (const auto& r : s.satirlar) {
        std::vector<Hucre> satir;
        satir.reserve(r.size());
        for (std::size_t i = 0; i < r.size(); ++i)
            satir.push_back(Donustur(r[i], t.sutunlar[i].tur));
        t.satirlar.push_back(std::move(satir));
    }
    return t;
}

double OndalikAl(const Tablo& t, const std::vector<Hucre>& r, std::string_view ad) {
    const int i = t.SutunNo(ad);
    if (i < 0)
        throw std::logic_error("sütun yok: " + std::string(ad));
    return Ondalik(r[static_cast<std::size_t>(i)]);
}

void Yaz(Tablo& t, std::vector<Hucre>& r, std::string_view ad, Hucre h) {
    const int i = t.SutunNo(ad);
    if (i < 0)
        throw std::logic_error("sütun yok: " + std::string(ad));
    r[static_cast<std::size_t>(i)] = Donustur(h, t.sutunlar[static_cast<std::size_t>(i)].tur);
}

} // namespace rvz::sunucu
