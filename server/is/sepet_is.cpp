// The dealer's basket: lines, selection, and the dealer lists by basket and order state.
#include "baglantiu.h"
#include "is.h"
#include "ortak_sorgular.h"

#include <cmath>

namespace rvz::sunucu {

namespace {

enum Konum {
    Bilgi,
    Carino,
    Stokno,
    Barkod,
    Stokadi,
    Miktar,
    Kdv,
    Fiyat,
    Ind1,
    Verenid,
    Onuncu,
    Ind2,
    Ind3,
    Ind4
};

Tablo SepetTablosu(DepoBaglantisi& b, std::int64_t carino) {
    auto t = Tabloya(b.Sorgula(
        "SELECT sp.SEC, sp.TARIH AS VERILISTARIHI, sp.SIRANO, 0 AS SIPARISNO, sp.CARINO, sp.TARIH, 0 AS "
        "AKTAR, "
        "sp.STOKNO, s.BARKOD, s.FINISHKOD, s.OEMNO, s.ADI AS STOKADI, sp.MIKTAR, sp.BIRIMFIYAT, "
        "sp.IND1 AS INDIRIMORANI1, sp.IND2 AS INDIRIMORANI2, sp.IND3 AS INDIRIMORANI3, sp.KDV, 'TL' AS KUR, "
        "1.0 AS KURTL, sp.VERENSIRANO AS VERENIDNO, " +
            SaatSql("sp.TARIH") +
            " AS SAAT, 0 AS TESLIMID, 0 AS KARGOID, '' AS ACIKLAMA, sp.SIRANO AS IDNO, sp.VERENSIRANO, "
            "COALESCE(k.ADI, '') AS VEREN, c.CARIKOD, c.CARIADI, s.OEM1, s.OEM2, s.OEM3, s.OEM4, "
            "s.STOKNO AS STOK_STOKNO, s.URETICIKODU, s.DIGERADI, s.DPKOD, s.MARKA, s.MODEL, s.ANAGRUP, "
            "s.OZELKOD, "
            "s.PKOD, s.DURUM, s.KALAN, sp.IND4 AS INDIRIMORANI4 FROM sepet sp "
            "JOIN stoklar s ON s.STOKNO = sp.STOKNO JOIN cariler c ON c.CARINO = sp.CARINO "
            "LEFT JOIN kullanicilar k ON k.SIRANO = sp.VERENSIRANO WHERE sp.CARINO = ? ORDER BY sp.SIRANO",
        {carino}));
    SatirTutarlariniEkle(t, "MIKTAR");
    return t;
}

// The unit price and discounts of a new or changed line. Dealers get the server's price
// list whatever the client sends; representatives may type the price and the rates.
struct SatirFiyati {
    double fiyat = 0;
    Indirimler ind{};
};

double OranDenetle(double oran) {
    if (!std::isfinite(oran) || oran < 0 || oran > 100)
        throw IsHatasi("İndirim oranı 0 ile 100 arasında olmalıdır.");
    return oran;
}

SatirFiyati TemsilciFiyati(const Konumlar& k) {
    const double fiyat = k.Double(Fiyat);
    if (!std::isfinite(fiyat) || fiyat < 0 || fiyat > 10'000'000)
        throw IsHatasi("Birim fiyat geçersiz.");
    return {Yuvarla(fiyat),
            {OranDenetle(k.Double(Ind1)), OranDenetle(k.Double(Ind2)), OranDenetle(k.Double(Ind3)),
             OranDenetle(k.Double(Ind4))}};
}

// The line's owner must be a dealer the caller may act for; answers that dealer.
std::int64_t SatirSahibi(IsCagrisi& c, std::int64_t sirano) {
    auto sahip = c.b.Tek("SELECT CARINO FROM sepet WHERE SIRANO = ?", {sirano});
    if (std::holds_alternative<std::monostate>(sahip))
        throw IsHatasi("Sepet satırı bulunamadı.");
    CariYetkisi(c.b, c.arayan, Sayi(sahip));
    return Sayi(sahip);
}

void SepetEkle(IsCagrisi& c) {
    auto& k = c.k;
    const std::int64_t carino = k.Int(Carino);
    OturumCarisi(c.b, c.arayan, k, Bilgi);
    CariYetkisi(c.b, c.arayan, carino);
    const double miktar = MiktarDenetle(k.Double(Miktar));
    const std::int64_t stokno = k.Int(Stokno);
    auto stok = StokTablosu(c.b, "WHERE s.STOKNO = ?", {stokno}, CariIndirimleri(c.b, carino));
    if (stok.satirlar.empty())
        throw IsHatasi("Stok bulunamadı.");
    const auto& r = stok.satirlar[0];
    SatirFiyati f = c.arayan.Temsilci()
                        ? TemsilciFiyati(k)
                        : SatirFiyati{OndalikAl(stok, r, "FIYAT"),
                                      {OndalikAl(stok, r, "IND1"), OndalikAl(stok, r, "IND2"),
                                       OndalikAl(stok, r, "IND3"), OndalikAl(stok, r, "IND4")}};
    Islem islem(c.b);
    // The same item at the same price adds to the existing line.
    auto var =
        c.b.Sorgula("SELECT SIRANO, MIKTAR FROM sepet WHERE CARINO = ? AND STOKNO = ? AND BIRIMFIYAT = ? "
                    "AND IND1 = ? AND IND2 = ? AND IND3 = ? AND IND4 = ?",
                    {carino, stokno, f.fiyat, f.ind[0], f.ind[1], f.ind[2], f.ind[3]});
    if (!var.Bos()) {
        const double toplam = Ondalik(var.satirlar[0][1]) + miktar;
        MiktarDenetle(toplam);
        c.b.Calistir("UPDATE sepet SET MIKTAR = ?, TARIH = ? WHERE SIRANO = ?",
                     {toplam, Simdi(), var.satirlar[0][0]});
    } else {
        c.b.Calistir(
            "INSERT INTO sepet (CARINO, STOKNO, MIKTAR, BIRIMFIYAT, IND1, IND2, IND3, IND4, KDV, SEC, "
            "VERENSIRANO, TARIH) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?)",
            {carino, stokno, miktar, f.fiyat, f.ind[0], f.ind[1], f.ind[2], f.ind[3],
             OndalikAl(stok, r, "KDV"), std::int64_t{c.arayan.sirano}, Simdi()});
    }
    islem.Onayla();
    k.Sonuc(Deger::Integer(1));
}

void SepetGuncelle(IsCagrisi& c) {
    auto& k = c.k;
    OturumCarisi(c.b, c.arayan, k, Bilgi);
    const std::int64_t sirano = k.Int(Onuncu);
    const double miktar = MiktarDenetle(k.Double(Miktar));
    Islem islem(c.b);
    const auto sahip = SatirSahibi(c, sirano);
    if (sahip != k.Int(Carino))
        throw IsHatasi("Sepet satırı bu cariye ait değil.");
    if (c.arayan.Temsilci()) {
        auto f = TemsilciFiyati(k);
        c.b.Calistir("UPDATE sepet SET MIKTAR = ?, BIRIMFIYAT = ?, IND1 = ?, IND2 = ?, IND3 = ?, IND4 = ?, "
                     "VERENSIRANO = ?, TARIH = ? WHERE SIRANO = ?",
                     {miktar, f.fiyat, f.ind[0], f.ind[1], f.ind[2], f.ind[3], std::int64_t{c.arayan.sirano},
                      Simdi(), sirano});
    } else {
        c.b.Calistir("UPDATE sepet SET MIKTAR = ?, VERENSIRANO = ?, TARIH = ? WHERE SIRANO = ?",
                     {miktar, std::int64_t{c.arayan.sirano}, Simdi(), sirano});
    }
    islem.Onayla();
    k.Sonuc(Deger::Integer(1));
}

// Dealers listed for a basket or order state n (1 basket, 2..7 order states 0..5).
std::string DurumSarti(int n) {
    if (n == 1)
        return "EXISTS (SELECT 1 FROM sepet WHERE CARINO = c.CARINO)";
    return "EXISTS (SELECT 1 FROM siparisler WHERE CARINO = c.CARINO AND DURUM = " + std::to_string(n - 2) +
           ")";
}

} // namespace

void SepetYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    IsKaydet(d, o, "SepetVer2", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        c.k.Sonuc(Deger::Paket(SepetTablosu(c.b, c.k.Int(0))));
    });
    IsKaydet(d, o, "SepetVer", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        c.k.Sonuc(Deger::Okuyucu(SepetTablosu(c.b, c.k.Int(0))));
    });
    IsKaydet(d, o, "SepetEkle2", SepetEkle);
    IsKaydet(d, o, "SepetGuncelle2", SepetGuncelle);
    IsKaydet(d, o, "SepetSatirSil", [](IsCagrisi& c) {
        OturumCarisi(c.b, c.arayan, c.k, 0);
        Islem islem(c.b);
        SatirSahibi(c, c.k.Int(1));
        c.b.Calistir("DELETE FROM sepet WHERE SIRANO = ?", {std::int64_t{c.k.Int(1)}});
        islem.Onayla();
        c.k.Sonuc(Deger::Integer(1));
    });
    IsKaydet(d, o, "SepetHepsiniSil", [](IsCagrisi& c) {
        const int carino = OturumCarisi(c.b, c.arayan, c.k, 0);
        Islem islem(c.b);
        const auto n = c.b.Calistir("DELETE FROM sepet WHERE CARINO = ?", {std::int64_t{carino}});
        islem.Onayla();
        c.k.Sonuc(Deger::Integer(static_cast<std::int32_t>(n)));
    });
    IsKaydet(d, o, "SepetSecimGuncelle", [](IsCagrisi& c) {
        const int secim = c.k.Int(1);
        if (secim != 0 && secim != 1)
            throw IsHatasi("Seçim 0 ya da 1 olmalıdır.");
        Islem islem(c.b);
        SatirSahibi(c, c.k.Int(0));
        c.b.Calistir("UPDATE sepet SET SEC = ? WHERE SIRANO = ?",
                     {std::int64_t{secim}, std::int64_t{c.k.Int(0)}});
        islem.Onayla();
    });
    IsKaydet(d, o, "SepetSayisi", [](IsCagrisi& c) {
        std::vector<Veri> p;
        const auto sart = CariErisimSarti(c.arayan, p);
        const auto n =
            c.b.Sorgula("SELECT COUNT(*) FROM cariler c WHERE " + sart + " AND " + DurumSarti(1), p);
        c.k.Sonuc(Deger::Integer(static_cast<std::int32_t>(Sayi(n.satirlar[0][0]))));
    });
    IsKaydet(d, o, "CariSepetVer", [](IsCagrisi& c) {
        const int n = c.k.Int(1);
        if (n < 1 || n > 7)
            throw IsHatasi("Liste numarası 1 ile 7 arasında olmalıdır.");
        std::vector<Veri> p;
        const auto sart = CariErisimSarti(c.arayan, p);
        c.k.Sonuc(Deger::Okuyucu(
            CariTablosu(c.b, "WHERE " + sart + " AND " + DurumSarti(n) + " ORDER BY c.CARIADI", p)));
    });
    IsKaydet(d, o, "TusSonuclariVer", [](IsCagrisi& c) {
        std::vector<Veri> p;
        const auto sart = CariErisimSarti(c.arayan, p);
        auto s =
            c.b.Sorgula("SELECT o.DURUM, COUNT(*) FROM siparisler o JOIN cariler c ON c.CARINO = o.CARINO "
                        "WHERE " +
                            sart + " GROUP BY o.DURUM",
                        p);
        TTusSonuclari t;
        std::int32_t* alanlar[] = {&t.Alindi,     &t.Onaylandi, &t.Goruldu, &t.ParcaliHazirlandi,
                                   &t.Hazirlandi, &t.SevkEdildi};
        for (const auto& r : s.satirlar)
            if (const auto durum = Sayi(r[0]); durum >= 0 && durum < 6)
                *alanlar[durum] = static_cast<std::int32_t>(Sayi(r[1]));
        c.k.Sonuc(Deger::Kayit(KayitJsonMetni(t)));
    });
}

} // namespace rvz::sunucu
