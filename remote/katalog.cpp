#include "katalog.h"

#include "baglantiu.h"
#include "mobilstokunit.h"

#include <unordered_map>

namespace rvz {

namespace {

using T = DegerTuru;

Parametre I(std::string_view ad) {
    return {ad, T::Integer};
}
Parametre D(std::string_view ad) {
    return {ad, T::Double};
}
Parametre S(std::string_view ad) {
    return {ad, T::String};
}
Parametre R(std::string_view ad, std::string_view sinif = TSonucBilgisi::kSinif) {
    return {ad, T::Kayit, Yon::Girdi, sinif};
}
Parametre Geri(std::string_view ad) {
    return {ad, T::Callback};
}
Parametre Cikti(std::string_view ad, DegerTuru tur) {
    return {ad, tur, Yon::Cikti};
}

Uye Sonuclu(std::string_view ad, std::vector<Parametre> p, DegerTuru sonuc, bool cagriliyor = true) {
    return {ad, std::move(p), sonuc, {}, cagriliyor};
}
Uye KayitSonuclu(std::string_view ad, std::vector<Parametre> p, std::string_view sinif,
                 bool cagriliyor = true) {
    return {ad, std::move(p), T::Kayit, sinif, cagriliyor};
}
Uye Sonucsuz(std::string_view ad, std::vector<Parametre> p, bool cagriliyor = true) {
    return {ad, std::move(p), std::nullopt, {}, cagriliyor};
}

constexpr bool Cagrilmaz = false;

std::vector<Parametre> MailParametreleri() {
    return {S("idsi"),         S("baslik"),  S("firmaadi"), S("adres1"),    S("adres2"), S("ilce"),
            S("sehir"),        S("telefon"), S("fax"),      S("vd"),        S("vn"),     S("yetkili"),
            S("kullaniciadi"), S("sifre"),   S("mail"),     S("kargoambar")};
}

std::vector<Parametre> SepetSatiri(std::string_view onuncu, bool dortIndirim) {
    std::vector<Parametre> p{R("bilgim"),  I("carino"),  I("stokno"),
                             S("barkod"),  S("stokadi"), D("miktar"),
                             D("kdv"),     D("fiyat"),   D(dortIndirim ? "ind1" : "indirim"),
                             I("verenid"), I(onuncu)};
    if (dortIndirim) {
        p.push_back(D("ind2"));
        p.push_back(D("ind3"));
        p.push_back(D("ind4"));
    }
    return p;
}

std::vector<Parametre> BakiyeSatiri() {
    return {R("k"), I("stokno"), I("sepetsirano"), I("siparissirano"), D("Adet"), D("Bakiye"), S("barkod")};
}

std::vector<Uye> KatalogYap() {
    auto fiyatDegistir = BakiyeSatiri();
    fiyatDegistir.push_back(D("fiyat"));
    fiyatDegistir.push_back(D("ind"));
    auto mailNormal = MailParametreleri();
    mailNormal.push_back(S("konu"));

    return {
        // The server module's own creation hook; never called by the client.
        Sonucsuz("DSServerModuleCreate", {R("Sender", {})}, Cagrilmaz),

        // Catalogue.
        Sonuclu("StokAraGetir", {S("kod"), R("bilgi")}, T::VeriPaketi),
        Sonuclu("StokAra", {S("kod"), S("carino"), I("satici")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("YenilerVer", {I("carino")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("YenilerVer2", {I("carino")}, T::VeriPaketi),
        Sonuclu("YenilerVerMobile", {I("carino")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("KampanyaliVer", {I("cario"), I("satici")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("KampanyaliVer2", {I("cario"), I("satici")}, T::VeriPaketi),
        Sonuclu("KampanyaliVermMobil", {I("cario"), I("satici")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("ResimVer5", {I("stokno"), Cikti("boy", T::Int64)}, T::Akis),
        Sonuclu("ResimVer6", {I("stokno"), Cikti("boy", T::Int64)}, T::JsonDizi, Cagrilmaz),
        Sonuclu("BuyukResimVer", {I("stokno"), Cikti("boy", T::Integer)}, T::String, Cagrilmaz),
        Sonuclu("KucukResimVer", {I("stokno")}, T::String, Cagrilmaz),
        Sonucsuz("HttpResimVer", {I("stokno")}, Cagrilmaz),
        Sonuclu("KurlariAl", {Cikti("usd", T::Double), Cikti("eur", T::Double)}, T::Integer, Cagrilmaz),
        Sonuclu("DepartmanlariGetir", {}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("DepartmanlariVer", {}, T::String, Cagrilmaz),
        Sonuclu("AnaGrupVer", {}, T::String, Cagrilmaz),
        Sonuclu("AltGrupVer", {S("anagrup")}, T::String, Cagrilmaz),
        KayitSonuclu("MobilStokara", {S("kod"), R("bilgi"), I("neresi"), I("nekadar")}, TMobilStoklar::kSinif,
                     Cagrilmaz),
        KayitSonuclu("MobilStokNoAra", {I("stokno"), R("bilgi")}, TMobilStok::kSinif, Cagrilmaz),
        Sonuclu("MobilStokaraGeri", {S("kod"), R("bilgi"), I("neresi"), I("nekadar"), Geri("geri")},
                T::Integer, Cagrilmaz),
        KayitSonuclu("MobilStokaraAdimli",
                     {S("kod"), R("bilgi"), I("neresi"), I("nekadar"), I("ilk"), I("Adet"),
                      Cikti("kalan", T::Boolean), Cikti("toplam", T::Integer)},
                     TMobilStoklar::kSinif, Cagrilmaz),
        Sonucsuz("AramaGonderAl", {R("b"), S("kod"), I("Adet")}, Cagrilmaz),
        Sonuclu("EchoString", {S("Value")}, T::String, Cagrilmaz),
        Sonuclu("ReverseString", {S("Value")}, T::String, Cagrilmaz),

        // Basket and order.
        Sonuclu("SepetVer", {I("carino")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("SepetVer2", {I("carino")}, T::VeriPaketi),
        KayitSonuclu("SepetMobilVer", {I("carino")}, TMobilSepetler::kSinif, Cagrilmaz),
        Sonuclu("SepetEkle", SepetSatiri("k", false), T::Integer, Cagrilmaz),
        Sonuclu("SepetEkle2", SepetSatiri("k", true), T::Integer),
        Sonuclu("SepetGuncelle", SepetSatiri("_sepetsirano", false), T::Integer, Cagrilmaz),
        Sonuclu("SepetGuncelle2", SepetSatiri("_sepetsirano", true), T::Integer),
        Sonuclu("SepetSatirSil", {R("bilgi"), I("satirno"), S("aciklamam")}, T::Integer),
        Sonuclu("SepetHepsiniSil", {R("bilgi")}, T::Integer),
        Sonucsuz("SepetSecimGuncelle", {I("sirano"), I("secim")}),
        Sonuclu("SepetSayisi", {R("bil")}, T::Integer),
        Sonuclu("CariSepetVer", {R("bil"), I("n")}, T::TabloOkuyucu),
        Sonuclu("SiparisKaydet",
                {R("BB"), I("_carino"), I("_teslim"), I("_kargo"), S("_aciklama"), I("_verenid"),
                 I("_kargoyeni")},
                T::Boolean),
        Sonuclu("MobilSiparisKaydet", {I("idnosu")}, T::Integer, Cagrilmaz),
        Sonuclu("SiparisAlinirmi", {I("carino")}, T::String, Cagrilmaz),
        Sonuclu("TeslimVer", {}, T::TabloOkuyucu),
        Sonuclu("KargoVer", {}, T::TabloOkuyucu),
        Sonuclu("KargolarVer", {I("gn")}, T::TabloOkuyucu),
        KayitSonuclu("TusSonuclariVer", {R("bil")}, TTusSonuclari::kSinif),
        Sonucsuz("CikisGonder", {R("bilgi")}, Cagrilmaz),
        Sonuclu("CariVadeGunGecmismiBul", {I("carino")}, T::String),

        // Account and documents.
        Sonuclu("OncekiSiparisler", {I("carino")}, T::TabloOkuyucu),
        Sonuclu("OncekiSiparisler2", {I("carino")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("Oncekiler", {I("carino")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("SiparisAyrintisi", {I("carino"), I("idnosu")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("SiparisAyrintisi2", {I("carino"), I("idnosu")}, T::TabloOkuyucu),
        KayitSonuclu("SiparisAytintisiDip", {I("carino"), I("siranosu")}, TSiparisDipAyrinti::kSinif),
        Sonuclu("TumSiparislerVer", {I("carino"), I("stokno")}, T::TabloOkuyucu),
        Sonuclu("CariEkstreVer", {I("carino")}, T::TabloOkuyucu),
        Sonuclu("CariEkstreVer2", {I("carino"), D("TARIH1"), D("TARIH2")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("CariEkstreVer2Baslik", {I("carino"), D("tarih1")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("FaturaGetir", {I("carino"), I("idnosu")}, T::TabloOkuyucu),
        Sonuclu("FaturaAltGetir", {I("idnosu")}, T::TabloOkuyucu),
        Sonuclu("Tahsilat", {I("idnosu")}, T::TabloOkuyucu),
        Sonuclu("SanalposSiranoVer", {I("idnosu")}, T::Integer),
        Sonuclu("SAnalPosPdfVer", {I("sirano"), Cikti("boy", T::Int64)}, T::Akis),
        Sonuclu("BakiyelerVer", {I("carino")}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("BakiyelerVer2", {I("carino")}, T::TabloOkuyucu),
        Sonuclu("BakiyeDuzenle", BakiyeSatiri(), T::Integer),
        Sonuclu("BakiyeDegistir", BakiyeSatiri(), T::Integer),
        Sonuclu("BakiyeFiyatDegistir", fiyatDegistir, T::Integer),
        Sonuclu("CariAra", {R("bil"), S("aranan")}, T::TabloOkuyucu),
        Sonuclu("CarileriVer", {}, T::JsonDizi, Cagrilmaz),
        Sonuclu("CariDurumVer", {I("carino")}, T::String),
        Sonuclu("RaporGetir",
                {I("raporno"), I("bolum"), I("idno"), I("carino"), S("saticiadi"), D("tarih1"), D("tarih2"),
                 Cikti("size", T::Int64)},
                T::Akis),
        Sonuclu("RaporAlinanSiparisler", {R("bilgi"), D("tarih1"), D("tarih2")}, T::TabloOkuyucu),
        Sonuclu("RaporEnCokSatilanStoklar", {R("bilgi"), D("tarih1"), D("tarih2")}, T::TabloOkuyucu),
        Sonuclu("BelgeIndir", {I("sirano"), Cikti("size", T::Int64), Cikti("adi", T::String)}, T::Akis,
                Cagrilmaz),
        Sonuclu("BelgeIndir2", {I("sirano"), Cikti("size", T::Int64), Cikti("adi", T::String), R("bilgi")},
                T::Akis, Cagrilmaz),
        Sonuclu("DosyaIndir", {Cikti("size", T::Int64)}, T::Akis, Cagrilmaz),
        Sonuclu("DosyaListesi", {}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("DosyaListesi2", {}, T::TabloOkuyucu, Cagrilmaz),

        // Content, mail and account service.
        Sonuclu("KayanYaziGetir", {}, T::String),
        Sonuclu("BalonGetir", {R("bil")}, T::TabloOkuyucu),
        Sonuclu("BalonGetir2",
                {I("carino"), Cikti("sepet", T::Integer), Cikti("yenistok", T::Integer),
                 Cikti("kampnayali", T::Integer), Cikti("duyuru", T::Integer), Cikti("Bakiye", T::Integer),
                 Cikti("dosya", T::Integer)},
                T::Integer, Cagrilmaz),
        Sonuclu("DuyuruVer", {}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("DuyuruVer2", {}, T::TabloOkuyucu, Cagrilmaz),
        KayitSonuclu("AcilisEkranlarVer", {}, TAcilisEkranlar::kSinif, Cagrilmaz),
        KayitSonuclu("AcilisEkranlarVer2", {}, TAcilisEkranlariki::kSinif),
        Sonuclu("AcilisEkranlariVerData", {}, T::TabloOkuyucu, Cagrilmaz),
        Sonuclu("BannerResimVer", {Cikti("size", T::Int64)}, T::Akis),
        Sonuclu("BannerResimVer2", {Cikti("size", T::Int64)}, T::Akis),
        Sonuclu("BannerResimVer3", {Cikti("size", T::Int64)}, T::Akis),
        Sonuclu("AcilisReklamAdet", {}, T::Integer),
        KayitSonuclu("AcilisREklamVer", {I("sira")}, TAcilisEkran::kSinif),
        Sonuclu("MailGonserCari", MailParametreleri(), T::Integer),
        Sonuclu("MailGonserCariNormal", mailNormal, T::Integer),
        KayitSonuclu("MobilCariBilgisiGetir", {I("sirano"), S("_idsi")}, TMobilCariBilgisi::kSinif),
        Sonuclu("SifremiUnuttum", {S("idsi"), Cikti("mailvarmi", T::Integer)}, T::Boolean, Cagrilmaz),

        // Session.
        KayitSonuclu("BuyukGetir", {S("idsi")}, TSonucBilgisi::kSinif),
    };
}

} // namespace

Parametre Uye::Konum(int i) const {
    if (i == SonucKonumu())
        return {"Result", *sonuc, Yon::Cikti, sonucSinifi};
    return parametreler.at(static_cast<std::size_t>(i));
}

const std::vector<Uye>& Katalog() {
    static const std::vector<Uye> katalog = KatalogYap();
    return katalog;
}

int UyeNo(std::string_view ad) {
    static const auto dizin = [] {
        std::unordered_map<std::string_view, int> d;
        const auto& k = Katalog();
        for (std::size_t i = 0; i < k.size(); ++i)
            d.emplace(k[i].ad, static_cast<int>(i));
        return d;
    }();
    auto it = dizin.find(ad);
    return it == dizin.end() ? -1 : it->second;
}

const Uye* UyeBul(std::string_view ad) {
    const int no = UyeNo(ad);
    return no < 0 ? nullptr : &Katalog()[static_cast<std::size_t>(no)];
}

const Uye* TamAdlaBul(std::string_view tam) {
    if (!tam.starts_with(kSinifOnEki))
        return nullptr;
    return UyeBul(tam.substr(kSinifOnEki.size()));
}

std::string KonumDenetle(const Uye& uye, int konum, const Deger& d) {
    const auto p = uye.Konum(konum);
    if (d.IsNull()) {
        // A record argument may be absent; plain input values may not.
        const bool duz = p.tur == DegerTuru::Integer || p.tur == DegerTuru::Double ||
                         p.tur == DegerTuru::Boolean || p.tur == DegerTuru::String;
        if (p.yon == Yon::Girdi && duz)
            return std::string(uye.ad) + ": " + std::to_string(konum) + ". konumdaki " + std::string(p.ad) +
                   " boş olamaz";
        return {};
    }
    if (d.tur != p.tur)
        return std::string(uye.ad) + ": " + std::to_string(konum) + ". konumdaki " + std::string(p.ad) + " " +
               std::string(DegerTuruAdi(p.tur)) + " olmalı, gelen " + std::string(DegerTuruAdi(d.tur));
    return {};
}

} // namespace rvz
