#include "ortak_sorgular.h"

#include <map>

namespace rvz::sunucu {

Indirimler CariIndirimleri(DepoBaglantisi& b, std::int64_t carino) {
    auto s = b.Sorgula("SELECT ISK1, ISK2, ISK3, ISK4 FROM cariler WHERE CARINO = ?", {carino});
    if (s.Bos())
        return {};
    const auto& r = s.satirlar[0];
    return {Ondalik(r[0]), Ondalik(r[1]), Ondalik(r[2]), Ondalik(r[3])};
}

Tablo StokTablosu(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p,
                  const Indirimler& ind) {
    auto t = Tabloya(b.Sorgula(
        "SELECT s.DURUM, s.OEM1, s.OEM2, s.OEM3, s.OZELKOD1, s.ADI, s.OEM4, s.STOKNO AS STOK_STOKNO, "
        "s.FINISHKOD, "
        "s.URETICIKODU, s.RESIMVAR AS RESIM, s.BARKODNO AS BARKOD_BARKODNO, s.DIGERADI, s.DPKOD, "
        "s.OEMNO, s.BIRIM, s.MARKA, s.MODEL, s.ANAGRUP, s.ALTGRUP, s.DEPARTMAN, s.OZELKOD, s.KALAN, s.PKOD, "
        "s.KDV, "
        "s.ALINANSIPARIS, s.VERILENSIPARIS, s.LISTEFIYAT AS LISTEFIYAT1, s.KAMPFIYAT, s.YENI AS Y, "
        "s.KAMPANYA AS K, s.BARKOD, s.KOD FROM stoklar s " +
            sart,
        p));
    const int liste = t.SutunNo("LISTEFIYAT1"), kamp = t.SutunNo("KAMPFIYAT"), k = t.SutunNo("K"),
              kdv = t.SutunNo("KDV");
    for (auto ad : {"ESKIFIYAT", "FIYAT", "IND1", "IND2", "IND3", "IND4", "INDIRIM", "INDIRIMYAZI",
                    "NETFIYAT", "KDVDAHIL"})
        t.SutunEkle(ad, SutunTuruVer(ad));
    for (auto& r : t.satirlar) {
        auto at = [&](int i) { return r[static_cast<std::size_t>(i)]; };
        // Campaign items sell at their campaign price without further discounts.
        const bool kampanyali = Sayi(at(k)) == 1 && Ondalik(at(kamp)) > 0;
        const double fiyat = kampanyali ? Ondalik(at(kamp)) : Ondalik(at(liste));
        const Indirimler i = kampanyali ? Indirimler{} : ind;
        const double net = NetFiyat(fiyat, i);
        r.insert(r.end(), {Ondalik(at(liste)), fiyat, i[0], i[1], i[2], i[3], ToplamIndirimOrani(i),
                           IndirimYazisi(i), net, Yuvarla(net * (1 + Ondalik(at(kdv)) / 100))});
    }
    return t;
}

void SatirTutarlariniEkle(Tablo& t, std::string_view miktarSutunu) {
    const std::string_view adlar[] = {"TUTAR",         "INDIRIMYAZI", "INDIRIMTUTAR",
                                      "NETBIRIMFIYAT", "VERGITUTARI", "NETTUTAR"};
    std::vector<std::vector<Hucre>> ekler;
    for (const auto& r : t.satirlar) {
        Indirimler ind{OndalikAl(t, r, "INDIRIMORANI1"), OndalikAl(t, r, "INDIRIMORANI2"),
                       OndalikAl(t, r, "INDIRIMORANI3"), OndalikAl(t, r, "INDIRIMORANI4")};
        auto h = SatirHesapla(OndalikAl(t, r, miktarSutunu), OndalikAl(t, r, "BIRIMFIYAT"), ind,
                              OndalikAl(t, r, "KDV"));
        ekler.push_back({h.tutar, IndirimYazisi(ind), h.indirimTutar, h.netBirim, h.vergi, h.netTutar});
    }
    for (auto ad : adlar)
        t.SutunEkle(std::string(ad), SutunTuruVer(ad));
    for (std::size_t i = 0; i < t.satirlar.size(); ++i)
        t.satirlar[i].insert(t.satirlar[i].end(), ekler[i].begin(), ekler[i].end());
}

std::string SaatSql(std::string_view sutun) {
    return "strftime('%H:%M', (" + std::string(sutun) + " - 25569) * 86400, 'unixepoch')";
}

Tablo SiparisSatirlari(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p,
                       std::string_view tutarMiktari) {
    auto t = Tabloya(b.Sorgula(
        "SELECT o.TARIH AS VERILISTARIHI, l.SIRANO, l.SIPARISNO, o.CARINO, l.TARIH, 1 AS AKTAR, l.STOKNO, "
        "s.BARKOD, s.FINISHKOD, s.OEMNO, s.ADI AS STOKADI, l.MIKTAR, l.BIRIMFIYAT, l.IND1 AS INDIRIMORANI1, "
        "l.IND2 AS INDIRIMORANI2, l.IND3 AS INDIRIMORANI3, l.IND4 AS INDIRIMORANI4, l.KDV, 'TL' AS KUR, "
        "1.0 AS KURTL, o.VERENSIRANO AS VERENIDNO, " +
            SaatSql("o.TARIH") +
            " AS SAAT, o.TESLIMID, o.KARGOID, o.VERENINNOTU AS ACIKLAMA, o.IDNO, o.VERENSIRANO, "
            "COALESCE(k.ADI, '') AS VEREN, c.CARIKOD, c.CARIADI, s.OEM1, s.OEM2, s.OEM3, s.OEM4, "
            "s.STOKNO AS STOK_STOKNO, s.URETICIKODU, s.DIGERADI, s.DPKOD, s.MARKA, s.MODEL, s.ANAGRUP, "
            "s.OZELKOD, "
            "s.PKOD, l.MIKTAR - l.TESLIMEDILEN - l.IPTALEDILEN AS KALAN, COALESCE(tt.ADI, '') AS TESLIM, "
            "COALESCE(kt.ADI, '') AS KARGO, l.TESLIMEDILEN, l.ILKFIYAT, l.SIRANO AS STOKHAR_NO, s.KALAN AS "
            "ELDEKI, "
            "s.DURUM, s.ALINANSIPARIS, s.VERILENSIPARIS "
            "FROM siparis_satirlari l JOIN siparisler o ON o.IDNO = l.SIPARISNO "
            "JOIN stoklar s ON s.STOKNO = l.STOKNO JOIN cariler c ON c.CARINO = o.CARINO "
            "LEFT JOIN kullanicilar k ON k.SIRANO = o.VERENSIRANO "
            "LEFT JOIN teslim_turleri tt ON tt.ID = o.TESLIMID LEFT JOIN kargo_turleri kt ON kt.ID = "
            "o.KARGOID " +
            sart,
        p));
    SatirTutarlariniEkle(t, tutarMiktari);
    return t;
}

std::string CariErisimSarti(const Arayan& a, std::vector<Veri>& p) {
    if (a.tip == 2)
        return "1 = 1";
    if (a.tip == 1) {
        p.emplace_back(std::int64_t{a.saticino});
        return "c.SATICINO = ?";
    }
    p.emplace_back(std::int64_t{a.carino});
    return "c.CARINO = ?";
}

Tablo CariTablosu(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p) {
    auto durum = [](int d, const char* ad) {
        return "(SELECT COUNT(*) FROM siparisler WHERE CARINO = c.CARINO AND DURUM = " + std::to_string(d) +
               ") AS " + ad;
    };
    return Tabloya(b.Sorgula(
        "SELECT c.CARINO, c.CARIKOD, c.CARIADI, COALESCE(st.ADI, '') AS SATICISI, "
        "(SELECT ROUND(COALESCE(SUM(BORC - ALACAK), 0), 2) FROM cari_hareketler h WHERE h.CARINO = c.CARINO) "
        "AS TLBAKIYE, c.DURUM, c.OZELKOD, c.KOD1, c.KOD2, c.KOD3, c.KOD4, c.KOD5, c.TEL1, c.TEL2, c.ILCE, "
        "c.IL, "
        "c.GSM, (SELECT COUNT(*) FROM sepet WHERE CARINO = c.CARINO) AS SEPET, c.YETKILI, c.ISK1 AS INDIRIM, "
        "c.VADE, c.VADEKONTROLGUN, c.VADEKONTROLAY, c.VERGIDAIRESI, c.VERGINO, c.ADRES1, c.ADRES2, "
        "c.ANAGRUP, "
        "c.ALTGRUP, c.FAX1, c.FAX2, c.EMAIL, " +
            durum(0, "ALINDI") + ", " + durum(1, "ONAYLANDI") + ", " + durum(2, "GORULDU") + ", " +
            durum(4, "HAZIRLANDI") + ", " + durum(3, "PARCALIHAZIRLANDI") + ", " + durum(5, "SEVKEDILDI") +
            " FROM cariler c LEFT JOIN saticilar st ON st.SATICINO = c.SATICINO " + sart,
        p));
}

Tablo SiparisBasliklari(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p) {
    auto t =
        Tabloya(b.Sorgula("SELECT COALESCE(st.ADI, '') AS SATICIADI, o.CARINO, o.IDNO, o.TARIH, 'TL' AS KUR, "
                          "1.0 AS KURTL, o.VERENSIRANO AS "
                          "VERENIDNO, COALESCE(kt.ADI, '') AS KARGO, COALESCE(tt.ADI, '') AS TESLIM, "
                          "COALESCE(k.ADI, '') AS VEREN, c.CARIKOD, c.CARIADI, o.DURUM, "
                          "COALESCE(kf.ADI, '') AS KARGOADI, o.VERENINNOTU, o.ALANNOTU FROM siparisler o "
                          "JOIN cariler c ON c.CARINO = o.CARINO "
                          "LEFT JOIN kullanicilar k ON k.SIRANO = o.VERENSIRANO "
                          "LEFT JOIN teslim_turleri tt ON tt.ID = o.TESLIMID "
                          "LEFT JOIN kargo_turleri kt ON kt.ID = o.KARGOID "
                          "LEFT JOIN kargo_firmalari kf ON kf.SIRANO = o.KARGOFIRMA "
                          "LEFT JOIN saticilar st ON st.SATICINO = c.SATICINO " +
                              sart,
                          p),
                {{"DURUM", SutunTuru::WideText}});
    // Order totals are the sums of the rounded line amounts.
    std::map<std::int64_t, SatirTutari> toplam;
    const int idno = t.SutunNo("IDNO"), durum = t.SutunNo("DURUM");
    for (const auto& satir : t.satirlar) {
        for (const auto& r :
             b.Sorgula("SELECT l.SIPARISNO, l.MIKTAR, l.BIRIMFIYAT, l.IND1, l.IND2, l.IND3, l.IND4, "
                       "l.KDV FROM siparis_satirlari l WHERE l.SIPARISNO = ?",
                       {satir[static_cast<std::size_t>(idno)]})
                 .satirlar) {
            auto h =
                SatirHesapla(Ondalik(r[1]), Ondalik(r[2]),
                             {Ondalik(r[3]), Ondalik(r[4]), Ondalik(r[5]), Ondalik(r[6])}, Ondalik(r[7]));
            auto& t2 = toplam[Sayi(r[0])];
            t2.tutar = Yuvarla(t2.tutar + h.tutar);
            t2.netTutar = Yuvarla(t2.netTutar + h.netTutar);
            t2.vergi = Yuvarla(t2.vergi + h.vergi);
        }
    }
    for (auto ad : {"VERGI", "NETTUTAR", "TUTAR"})
        t.SutunEkle(ad, SutunTuruVer(ad));
    for (auto& r : t.satirlar) {
        const auto& h = toplam[Sayi(r[static_cast<std::size_t>(idno)])];
        r[static_cast<std::size_t>(durum)] =
            std::string(SiparisDurumAdi(Sayi(r[static_cast<std::size_t>(durum)])));
        r.insert(r.end(), {h.vergi, h.netTutar, h.tutar});
    }
    return t;
}

const char* SiparisDurumAdi(std::int64_t durum) {
    static const char* adlar[] = {"Alındı",     "Onaylandı",  "Görüldü", "Parçalı Hazırlandı",
                                  "Hazırlandı", "Sevk Edildi"};
    return durum >= 0 && durum < 6 ? adlar[durum] : "";
}

} // namespace rvz::sunucu
