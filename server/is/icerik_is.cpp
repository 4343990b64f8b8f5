// The distributor's content (news line, counters, announcements, banners, opening
// advertisement) and the mail forms, which go to the outbox.
#include "baglantiu.h"
#include "is.h"
#include "mobilstokunit.h"
#include "ortak_sorgular.h"

namespace rvz::sunucu {

namespace {

std::string Hex(const std::string& baytlar) {
    static const char* rakam = "0123456789ABCDEF";
    std::string h;
    h.reserve(baytlar.size() * 2);
    for (unsigned char b : baytlar) {
        h += rakam[b >> 4];
        h += rakam[b & 15];
    }
    return h;
}

TAcilisEkran Ekran(const std::vector<Veri>& r) {
    TAcilisEkran e;
    e.SiraNo = static_cast<std::int32_t>(Sayi(r[0]));
    e.Baslik = Metin(r[1]);
    e.Arama = Metin(r[2]);
    e.Resim = Hex(Metin(r[3]));
    return e;
}

void Banner(Dagitici& d, IsOrtami& o, std::string_view uye, std::string ad) {
    IsKaydet(d, o, uye, [ad = std::move(ad)](IsCagrisi& c) {
        auto resim = Metin(c.b.Tek("SELECT DEGER FROM icerik WHERE AD = ?", {ad}));
        c.k.Ata(0, Deger::Int64(static_cast<std::int64_t>(resim.size())));
        c.k.Sonuc(Deger::Akis(std::move(resim)));
    });
}

// Stores one mail form in the outbox; the form's fields are kept as "name: value" lines.
void Posta(IsCagrisi& c, std::string tur, int alanSayisi) {
    static const char* adlar[] = {"idsi",         "baslik",  "firmaadi", "adres1",     "adres2", "ilce",
                                  "sehir",        "telefon", "fax",      "vd",         "vn",     "yetkili",
                                  "kullaniciadi", "sifre",   "mail",     "kargoambar", "konu"};
    std::string govde;
    for (int i = 2; i < alanSayisi; ++i) {
        govde += std::string(adlar[i]) + ": " +
                 TemizMetin(c.k.Metin(i), i == 16 ? 20000 : 500, adlar[i], i == 16) + "\n";
    }
    auto kime = c.b.Tek("SELECT COALESCE(st.MAIL, '') FROM cariler ca LEFT JOIN saticilar st "
                        "ON st.SATICINO = ca.SATICINO WHERE ca.CARINO = ?",
                        {std::int64_t{c.arayan.carino}});
    Islem islem(c.b);
    c.b.Calistir(
        "INSERT INTO posta_kutusu (TARIH, BILGISAYARID, TUR, KIME, BASLIK, GOVDE) VALUES (?, ?, ?, ?, ?, ?)",
        {Simdi(), TemizMetin(c.k.Metin(0), 200, "Bilgisayar kimliği"), std::move(tur), Metin(kime),
         TemizMetin(c.k.Metin(1), 200, "Konu"), govde});
    islem.Onayla();
    c.k.Sonuc(Deger::Integer(1));
}

} // namespace

void IcerikYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    IsKaydet(d, o, "KayanYaziGetir", [](IsCagrisi& c) {
        c.k.Sonuc(Deger::String(Metin(c.b.Tek("SELECT DEGER FROM icerik WHERE AD = 'KAYANYAZI'"))));
    });
    IsKaydet(d, o, "BalonGetir", [](IsCagrisi& c) {
        const std::int64_t carino = OturumCarisi(c.b, c.arayan, c.k, 0);
        auto s =
            c.b.Sorgula("SELECT (SELECT COUNT(*) FROM sepet WHERE CARINO = ?1), (SELECT COUNT(*) FROM "
                        "stoklar WHERE YENI = 1), "
                        "(SELECT COUNT(*) FROM stoklar WHERE KAMPANYA = 1), (SELECT COUNT(*) FROM duyurular "
                        "WHERE REKLAM = 0), "
                        "(SELECT COUNT(*) FROM siparis_satirlari l JOIN siparisler o ON o.IDNO = l.SIPARISNO "
                        " WHERE o.CARINO = ?1 AND l.MIKTAR - l.TESLIMEDILEN - l.IPTALEDILEN > 0)",
                        {carino});
        Tablo t;
        for (auto ad : {"SEPET", "YENI", "KAMPANYA", "DUYURU"})
            t.SutunEkle(ad, SutunTuru::Integer);
        t.SutunEkle("BAKIYE", SutunTuru::Double);
        const auto& r = s.satirlar[0];
        t.satirlar.push_back({Sayi(r[0]), Sayi(r[1]), Sayi(r[2]), Sayi(r[3]), Ondalik(r[4])});
        c.k.Sonuc(Deger::Okuyucu(std::move(t)));
    });
    IsKaydet(d, o, "AcilisEkranlarVer2", [](IsCagrisi& c) {
        TAcilisEkranlariki liste;
        for (const auto& r :
             c.b.Sorgula("SELECT SIRANO, BASLIK, ARAMA, RESIM FROM duyurular WHERE REKLAM = 0 "
                         "ORDER BY SIRA, SIRANO")
                 .satirlar)
            liste.Ekranlar.push_back(Ekran(r));
        c.k.Sonuc(Deger::Kayit(KayitJsonMetni(liste)));
    });
    Banner(d, o, "BannerResimVer", "BANNER1");
    Banner(d, o, "BannerResimVer2", "BANNER2");
    Banner(d, o, "BannerResimVer3", "BANNER3");
    IsKaydet(d, o, "AcilisReklamAdet", [](IsCagrisi& c) {
        c.k.Sonuc(Deger::Integer(
            static_cast<std::int32_t>(c.b.TekSayi("SELECT COUNT(*) FROM duyurular WHERE REKLAM = 1"))));
    });
    IsKaydet(d, o, "AcilisREklamVer", [](IsCagrisi& c) {
        const int sira = c.k.Int(0);
        auto s = c.b.Sorgula("SELECT SIRANO, BASLIK, ARAMA, RESIM FROM duyurular WHERE REKLAM = 1 "
                             "ORDER BY SIRA, SIRANO LIMIT 1 OFFSET ?",
                             {std::int64_t{sira < 0 ? 1'000'000 : sira}});
        if (s.Bos())
            throw IsHatasi("Reklam sayfası bulunamadı.");
        c.k.Sonuc(Deger::Kayit(KayitJsonMetni(Ekran(s.satirlar[0]))));
    });
    IsKaydet(d, o, "MailGonserCari", [](IsCagrisi& c) { Posta(c, "SIFRE", 16); });
    IsKaydet(d, o, "MailGonserCariNormal", [](IsCagrisi& c) { Posta(c, "NORMAL", 17); });
}

} // namespace rvz::sunucu
