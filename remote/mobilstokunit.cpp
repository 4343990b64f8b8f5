#include "mobilstokunit.h"

namespace rvz {
std::span<const Alan<TMobilStok>> TMobilStok::Alanlar() {
    using T = TMobilStok;
    static const Alan<T> alanlar[] = {
        {"FStokNo", &T::StokNo},
        {"FResimVar", &T::ResimVar},
        {"FResim", &T::Resim},
        {"FYeni", &T::Yeni},
        {"FDepartman", &T::Departman},
        {"FVerilenSiparis", &T::VerilenSiparis},
        {"FAltGrup", &T::AltGrup},
        {"FDurum", &T::Durum},
        {"FRenk", &T::Renk},
        {"FBirim", &T::Birim},
        {"FKDV", &T::KDV},
        {"FAlinanSiparis", &T::AlinanSiparis},
        {"FIsk2", &T::Isk2},
        {"FAnaGrup", &T::AnaGrup},
        {"FKod", &T::Kod},
        {"FIsk3", &T::Isk3},
        {"FListeFiyati", &T::ListeFiyati},
        {"FBeden", &T::Beden},
        {"FNetFiyat", &T::NetFiyat},
        {"FIsk1", &T::Isk1},
        {"FKDVliFiyat", &T::KDVliFiyat},
        {"FIsk4", &T::Isk4},
        {"FOzelKod", &T::OzelKod},
        {"FKampnayali", &T::Kampnayali},
        {"FBarkod", &T::Barkod},
        {"FIndirimOran", &T::IndirimOran},
        {"FKalan", &T::Kalan},
        {"FUreticiKod", &T::UreticiKod},
        {"FKampanyaliFiyat", &T::KampanyaliFiyat},
        {"FOemNo", &T::OemNo},
        {"FBarkodNo", &T::BarkodNo},
        {"FPKod", &T::PKod},
        {"FDpKod", &T::DpKod},
        {"FAdi", &T::Adi},
        {"FFiyat", &T::Fiyat},
    };
    return alanlar;
}

std::span<const Alan<TMobilSepet>> TMobilSepet::Alanlar() {
    using T = TMobilSepet;
    static const Alan<T> alanlar[] = {
        {"FKARGOID", &T::KARGOID},
        {"FStokNo", &T::StokNo},
        {"FTARIH", &T::TARIH},
        {"FSIRANO", &T::SIRANO},
        {"FCARIADI", &T::CARIADI},
        {"FVERILISTARIHI", &T::VERILISTARIHI},
        {"FDurum", &T::Durum},
        {"FMIKTAR", &T::MIKTAR},
        {"FVERENIDNO", &T::VERENIDNO},
        {"FNETTUTAR", &T::NETTUTAR},
        {"FKDVLITUTAR", &T::KDVLITUTAR},
        {"FKDV", &T::KDV},
        {"FAKTAR", &T::AKTAR},
        {"FSAAT", &T::SAAT},
        {"FVERGITUTARI", &T::VERGITUTARI},
        {"FPKod", &T::PKod},
        {"FMODEL", &T::MODEL},
        {"FINDIRIMTUTAR", &T::INDIRIMTUTAR},
        {"FSTOK_STOKNO", &T::STOK_STOKNO},
        {"FBIRIMFIYAT", &T::BIRIMFIYAT},
        {"FSEC", &T::SEC},
        {"FOEM2", &T::OEM2},
        {"FOEM3", &T::OEM3},
        {"FAnaGrup", &T::AnaGrup},
        {"FMARKA", &T::MARKA},
        {"FVEREN", &T::VEREN},
        {"FSTOKADI", &T::STOKADI},
        {"FOEM1", &T::OEM1},
        {"FCARINO", &T::CARINO},
        {"FVERENSIRANO", &T::VERENSIRANO},
        {"FACIKLAMA", &T::ACIKLAMA},
        {"FINDIRIMORANI2", &T::INDIRIMORANI2},
        {"FOEM4", &T::OEM4},
        {"FKUR", &T::KUR},
        {"FINDIRIMORANI3", &T::INDIRIMORANI3},
        {"FSIPARISNO", &T::SIPARISNO},
        {"FIDNO", &T::IDNO},
        {"FOzelKod", &T::OzelKod},
        {"FDpKod", &T::DpKod},
        {"FKURTL", &T::KURTL},
        {"FINDIRIMORANI1", &T::INDIRIMORANI1},
        {"FDIGERADI", &T::DIGERADI},
        {"FBarkod", &T::Barkod},
        {"FTUTAR", &T::TUTAR},
        {"FURETICIKODU", &T::URETICIKODU},
        {"FKalan", &T::Kalan},
        {"FFINISHKOD", &T::FINISHKOD},
        {"FCARIKOD", &T::CARIKOD},
        {"FNETBIRIMFIYAT", &T::NETBIRIMFIYAT},
        {"FOemNo", &T::OemNo},
        {"FTESLIMID", &T::TESLIMID},
        {"FResimVar", &T::ResimVar},
        {"FResim", &T::Resim},
    };
    return alanlar;
}

std::span<const Alan<TMobilCariBilgisi>> TMobilCariBilgisi::Alanlar() {
    using T = TMobilCariBilgisi;
    static const Alan<T> alanlar[] = {
        {"FBILGISAYARID", &T::BILGISAYARID},
        {"FSEHIR", &T::SEHIR},
        {"FFAX1", &T::FAX1},
        {"FSATICIMAIL", &T::SATICIMAIL},
        {"FSATICIADI", &T::SATICIADI},
        {"FCARIADI", &T::CARIADI},
        {"FEMAIL", &T::EMAIL},
        {"FVERGIDAIRESI", &T::VERGIDAIRESI},
        {"FYETKILI", &T::YETKILI},
        {"FAltGrup", &T::AltGrup},
        {"FTEL2", &T::TEL2},
        {"FSIFRE", &T::SIFRE},
        {"FGSM", &T::GSM},
        {"FTEL1", &T::TEL1},
        {"FADRES2", &T::ADRES2},
        {"FTLBORC", &T::TLBORC},
        {"FTLALACAK", &T::TLALACAK},
        {"FADRES1", &T::ADRES1},
        {"FULKE", &T::ULKE},
        {"FAnaGrup", &T::AnaGrup},
        {"FCARINO", &T::CARINO},
        {"FTLBAKIYE", &T::TLBAKIYE},
        {"FVERGINO", &T::VERGINO},
        {"FMAIL", &T::MAIL},
        {"FOzelKod", &T::OzelKod},
        {"FKULLANICIADI", &T::KULLANICIADI},
        {"FSATICITELEFON", &T::SATICITELEFON},
        {"FCARIKOD", &T::CARIKOD},
        {"FFAX2", &T::FAX2},
        {"FILCE", &T::ILCE},
    };
    return alanlar;
}

std::span<const Alan<TAcilisEkran>> TAcilisEkran::Alanlar() {
    using T = TAcilisEkran;
    static const Alan<T> alanlar[] = {
        {"FSiraNo", &T::SiraNo},
        {"FResim", &T::Resim},
        {"FBaslik", &T::Baslik},
        {"FArama", &T::Arama},
    };
    return alanlar;
}

template <class T> Json TKayitListesi<T>::AlanlarYaz(int& id) const {
    Json dizi = Json::array();
    for (const auto& k : Items)
        dizi.push_back(KayitJson(*k, id));
    return Json{{"FItems", std::move(dizi)}};
}

namespace {
template <class T> std::unique_ptr<T> OgeCoz(const Json& j) {
    auto k = KayitNesnedenCoz(j, T::kSinif);
    return std::unique_ptr<T>(static_cast<T*>(k.release()));
}

const Json& DiziAlani(const Json& alanlar, const char* ad) {
    ayrinti::FieldsNesnesiMi(alanlar);
    static const Json bos = Json::array();
    auto it = alanlar.find(ad);
    if (it == alanlar.end())
        return bos;
    if (!it->is_array())
        throw KayitHatasi(std::string(ad) + " bir dizi olmalı");
    return *it;
}
} // namespace

template <class T> void TKayitListesi<T>::AlanlarOku(const Json& alanlar) {
    Items.clear();
    for (const auto& j : DiziAlani(alanlar, "FItems"))
        Items.push_back(OgeCoz<T>(j));
}

template class TKayitListesi<TMobilStok>;
template class TKayitListesi<TMobilSepet>;
template class TKayitListesi<TAcilisEkran>;

Json TAcilisEkranlariki::AlanlarYaz(int& id) const {
    Json dizi = Json::array();
    for (const auto& e : Ekranlar)
        dizi.push_back(KayitJson(e, id));
    return Json{{"FEkranlar", std::move(dizi)}};
}

void TAcilisEkranlariki::AlanlarOku(const Json& alanlar) {
    Ekranlar.clear();
    for (const auto& j : DiziAlani(alanlar, "FEkranlar"))
        Ekranlar.push_back(*OgeCoz<TAcilisEkran>(j));
}

} // namespace rvz
