// Reports for sales staff: PDF reports and the two report tables.
#include "baglantiu.h"
#include "is.h"
#include "ortak_sorgular.h"
#include "pdf.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace rvz::sunucu {

namespace {

// OLE dates between 1900 and 2200 (day numbers 2 .. 109575).
double TarihDenetle(double t) {
    if (!std::isfinite(t) || t < 2 || t > 109575)
        throw IsHatasi("Tarih geçersiz.");
    return t;
}

// Dealers the report covers: one checked dealer, or all the caller may act for, narrowed to
// a representative's name unless it is ".".
std::string RaporCarileri(IsCagrisi& c, std::int64_t carino, const std::string& satici,
                          std::vector<Veri>& p) {
    if (carino != 0) {
        CariYetkisi(c.b, c.arayan, carino);
        p.emplace_back(carino);
        return "c.CARINO = ?";
    }
    std::string sart = CariErisimSarti(c.arayan, p);
    if (!satici.empty() && satici != ".") {
        p.emplace_back(satici);
        sart += " AND c.SATICINO IN (SELECT SATICINO FROM saticilar WHERE ADI = ?)";
    }
    return sart;
}

PdfBelge CariOzeti(IsCagrisi& c, std::int64_t carino, const std::string& satici, double tarih) {
    std::vector<Veri> p{tarih + 1, Simdi()};
    auto sart = RaporCarileri(c, carino, satici, p);
    auto s = c.b.Sorgula("SELECT c.CARIKOD, c.CARIADI, COALESCE(st.ADI, ''), "
                         "COALESCE(SUM(h.BORC), 0), COALESCE(SUM(h.ALACAK), 0), "
                         "COALESCE(SUM(CASE WHEN h.VADE < ?2 AND h.BORC > 0 THEN h.BORC ELSE 0 END), 0) "
                         "FROM cariler c LEFT JOIN saticilar st ON st.SATICINO = c.SATICINO "
                         "LEFT JOIN cari_hareketler h ON h.CARINO = c.CARINO AND h.TARIH < ?1 WHERE " +
                             sart + " GROUP BY c.CARINO ORDER BY c.CARIADI",
                         p);
    PdfBelge b;
    b.baslik = carino != 0 ? "Cari Özeti" : "Cari Toplu Alacak Vadeleri";
    b.ustBilgi = {"Parlavik Otomotiv", "Tarih: " + TarihYazisi(tarih)};
    b.sutunlar = {"Cari Kod", "Cari Adı", "Satıcı", "Borç", "Alacak", "Bakiye", "Vadesi Geçen"};
    b.genislikler = {1.2, 3, 1.6, 1.2, 1.2, 1.2, 1.3};
    double toplam = 0;
    for (const auto& r : s.satirlar) {
        const double borc = Yuvarla(Ondalik(r[3])), alacak = Yuvarla(Ondalik(r[4]));
        const double bakiye = Yuvarla(borc - alacak);
        toplam = Yuvarla(toplam + bakiye);
        b.satirlar.push_back({Metin(r[0]), Metin(r[1]), Metin(r[2]), TutarYazisi(borc), TutarYazisi(alacak),
                              TutarYazisi(bakiye),
                              TutarYazisi(std::max(0.0, Yuvarla(Ondalik(r[5]) - alacak)))});
    }
    b.altBilgi = {"Toplam Bakiye: " + TutarYazisi(toplam) + " TL"};
    return b;
}

PdfBelge AlisSatisTablosu(IsCagrisi& c, std::int64_t carino, const std::string& satici, double t1,
                          double t2) {
    std::vector<Veri> p{t1, t2 + 1};
    auto sart = RaporCarileri(c, carino, satici, p);
    auto s = c.b.Sorgula(
        "SELECT COALESCE(st.ADI, ''), c.CARIKOD, c.CARIADI, COALESCE(SUM(h.BORC), 0), "
        "COALESCE(SUM(h.ALACAK), 0) FROM cariler c LEFT JOIN saticilar st ON st.SATICINO = c.SATICINO "
        "JOIN cari_hareketler h ON h.CARINO = c.CARINO AND h.TARIH >= ?1 AND h.TARIH < ?2 WHERE " +
            sart + " GROUP BY c.CARINO ORDER BY 1, c.CARIADI",
        p);
    PdfBelge b;
    b.baslik = "Cari Alış Satış Tablosu (Satıcılı)";
    b.ustBilgi = {"Parlavik Otomotiv", "Dönem: " + TarihYazisi(t1) + " - " + TarihYazisi(t2)};
    b.sutunlar = {"Satıcı", "Cari Kod", "Cari Adı", "Satış (Fatura)", "Tahsilat"};
    b.genislikler = {1.6, 1.2, 3, 1.4, 1.4};
    double satis = 0, tahsilat = 0;
    for (const auto& r : s.satirlar) {
        satis = Yuvarla(satis + Ondalik(r[3]));
        tahsilat = Yuvarla(tahsilat + Ondalik(r[4]));
        b.satirlar.push_back(
            {Metin(r[0]), Metin(r[1]), Metin(r[2]), TutarYazisi(Ondalik(r[3])), TutarYazisi(Ondalik(r[4]))});
    }
    b.altBilgi = {"Toplam Satış: " + TutarYazisi(satis) + " TL",
                  "Toplam Tahsilat: " + TutarYazisi(tahsilat) + " TL"};
    return b;
}

std::string DonemSarti(const Konumlar& k, std::vector<Veri>& p) {
    p.emplace_back(TarihDenetle(k.Double(1)));
    p.emplace_back(TarihDenetle(k.Double(2)) + 1); // the second day is included
    return "o.TARIH >= ? AND o.TARIH < ?";
}

} // namespace

void RaporYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    IsKaydet(d, o, "RaporGetir", [](IsCagrisi& c) {
        if (!c.arayan.Temsilci())
            throw IsHatasi("Raporları yalnızca satış personeli alabilir.");
        const int rapor = c.k.Int(0);
        const auto satici = TemizMetin(c.k.Metin(4), 100, "Satıcı adı");
        const double t1 = TarihDenetle(c.k.Double(5)), t2 = TarihDenetle(c.k.Double(6));
        PdfBelge belge;
        if (rapor == 6)
            belge = CariOzeti(c, c.k.Int(3), satici, t1);
        else if (rapor == 7)
            belge = AlisSatisTablosu(c, c.k.Int(3), satici, std::min(t1, t2), std::max(t1, t2));
        else
            throw IsHatasi("Rapor bulunamadı: " + std::to_string(rapor));
        auto pdf = PdfYap(belge);
        c.k.Ata(7, Deger::Int64(static_cast<std::int64_t>(pdf.size())));
        c.k.Sonuc(Deger::Akis(std::move(pdf)));
    });
    IsKaydet(d, o, "RaporAlinanSiparisler", [](IsCagrisi& c) {
        std::vector<Veri> p;
        auto sart = CariErisimSarti(c.arayan, p);
        sart += " AND " + DonemSarti(c.k, p);
        c.k.Sonuc(Deger::Okuyucu(SiparisBasliklari(c.b, "WHERE " + sart + " ORDER BY o.IDNO DESC", p)));
    });
    IsKaydet(d, o, "RaporEnCokSatilanStoklar", [](IsCagrisi& c) {
        std::vector<Veri> p;
        auto sart = CariErisimSarti(c.arayan, p);
        sart += " AND " + DonemSarti(c.k, p);
        auto s = c.b.Sorgula(
            "SELECT l.STOKNO, s.BARKOD, s.KOD, s.ADI, s.DEPARTMAN, l.MIKTAR, l.BIRIMFIYAT, l.IND1, "
            "l.IND2, l.IND3, l.IND4, l.KDV FROM siparis_satirlari l "
            "JOIN siparisler o ON o.IDNO = l.SIPARISNO JOIN cariler c ON c.CARINO = o.CARINO "
            "JOIN stoklar s ON s.STOKNO = l.STOKNO WHERE " +
                sart,
            p);
        struct Toplam {
            std::vector<Veri> ad;
            double miktar = 0, net = 0, vergi = 0, tutar = 0;
        };
        std::map<std::int64_t, Toplam> stoklar;
        for (const auto& r : s.satirlar) {
            auto& t = stoklar[Sayi(r[0])];
            t.ad = {r[1], r[2], r[3], r[4]};
            auto h =
                SatirHesapla(Ondalik(r[5]), Ondalik(r[6]),
                             {Ondalik(r[7]), Ondalik(r[8]), Ondalik(r[9]), Ondalik(r[10])}, Ondalik(r[11]));
            t.miktar += Ondalik(r[5]);
            t.net = Yuvarla(t.net + h.netTutar);
            t.vergi = Yuvarla(t.vergi + h.vergi);
            t.tutar = Yuvarla(t.tutar + h.tutar);
        }
        std::vector<Toplam> sirali;
        for (auto& [no, t] : stoklar)
            sirali.push_back(std::move(t));
        std::stable_sort(sirali.begin(), sirali.end(),
                         [](const Toplam& a, const Toplam& b) { return a.miktar > b.miktar; });
        if (sirali.size() > 500)
            sirali.resize(500);
        Tablo t;
        for (auto ad : {"BARKOD", "KOD", "ADI", "DEPARTMAN"})
            t.SutunEkle(ad, SutunTuru::WideText);
        for (auto ad : {"MIKTAR", "NETTUTAR", "TLVERGI", "TUTAR"})
            t.SutunEkle(ad, SutunTuru::Double);
        for (const auto& x : sirali) {
            std::vector<Hucre> r;
            for (const auto& v : x.ad)
                r.push_back(Metin(v));
            r.insert(r.end(), {x.miktar, x.net, x.vergi, x.tutar});
            t.satirlar.push_back(std::move(r));
        }
        c.k.Sonuc(Deger::Okuyucu(std::move(t)));
    });
}

} // namespace rvz::sunucu
