#include "stok_yazici.h"

#include "arama.h"

namespace rvz::sunucu {

std::int64_t StokYaz(DepoBaglantisi& b, const StokKaydi& s) {
    const auto anahtar = StokAnahtari({s.KOD, s.BARKOD, s.OEM1, s.OEM2, s.OEM3, s.OEM4, s.OEMNO, s.OZELKOD1,
                                       s.URETICIKODU, s.ADI, s.DIGERADI, s.MARKA});
    std::int64_t no =
        s.KOD.empty() ? 0 : b.TekSayi("SELECT STOKNO FROM stoklar WHERE KOD = ? AND KOD <> ''", {s.KOD});
    std::vector<Veri> p{s.KOD,      s.BARKOD,  s.BARKODNO,  s.OEM1,       s.OEM2,        s.OEM3,
                        s.OEM4,     s.OEMNO,   s.OZELKOD,   s.OZELKOD1,   s.URETICIKODU, s.FINISHKOD,
                        s.DPKOD,    s.PKOD,    s.ADI,       s.DIGERADI,   s.MARKA,       s.MODEL,
                        s.ANAGRUP,  s.ALTGRUP, s.DEPARTMAN, s.BIRIM,      s.DURUM,       s.YENI,
                        s.KAMPANYA, s.KALAN,   s.KDV,       s.LISTEFIYAT, s.KAMPFIYAT,   anahtar};
    if (no == 0) {
        b.Calistir(
            "INSERT INTO stoklar (KOD, BARKOD, BARKODNO, OEM1, OEM2, OEM3, OEM4, OEMNO, OZELKOD, OZELKOD1, "
            "URETICIKODU, FINISHKOD, DPKOD, PKOD, ADI, DIGERADI, MARKA, MODEL, ANAGRUP, ALTGRUP, DEPARTMAN, "
            "BIRIM, DURUM, YENI, KAMPANYA, KALAN, KDV, LISTEFIYAT, KAMPFIYAT, ARAMA) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
            "?)",
            p);
        no = b.SonEklenenNo();
    } else {
        p.emplace_back(std::in_place_type<std::int64_t>, no);
        b.Calistir(
            "UPDATE stoklar SET KOD = ?, BARKOD = ?, BARKODNO = ?, OEM1 = ?, OEM2 = ?, OEM3 = ?, OEM4 = ?, "
            "OEMNO = ?, OZELKOD = ?, OZELKOD1 = ?, URETICIKODU = ?, FINISHKOD = ?, DPKOD = ?, PKOD = ?, "
            "ADI = ?, DIGERADI = ?, MARKA = ?, MODEL = ?, ANAGRUP = ?, ALTGRUP = ?, DEPARTMAN = ?, BIRIM = "
            "?, "
            "DURUM = ?, YENI = ?, KAMPANYA = ?, KALAN = ?, KDV = ?, LISTEFIYAT = ?, KAMPFIYAT = ?, "
            "ARAMA = ? WHERE STOKNO = ?",
            p);
        b.Calistir("DELETE FROM stok_arama WHERE rowid = ?", {no});
    }
    b.Calistir("INSERT INTO stok_arama (rowid, ANAHTAR) VALUES (?, ?)", {no, anahtar});
    if (!s.RESIM.empty()) {
        b.Calistir("INSERT INTO stok_resimleri (STOKNO, RESIM) VALUES (?, ?) "
                   "ON CONFLICT (STOKNO) DO UPDATE SET RESIM = excluded.RESIM",
                   {no, s.RESIM});
        b.Calistir("UPDATE stoklar SET RESIMVAR = 1 WHERE STOKNO = ?", {no});
    }
    return no;
}

} // namespace rvz::sunucu
