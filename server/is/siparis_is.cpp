// Orders: sending the basket, delivery and cargo choices, history, backorders.
#include "baglantiu.h"
#include "is.h"
#include "ortak_sorgular.h"

#include <cmath>

namespace rvz::sunucu {

namespace {

void SiparisKaydet(IsCagrisi& c) {
    auto& k = c.k;
    OturumCarisi(c.b, c.arayan, k, 0);
    const std::int64_t carino = k.Int(1), teslim = k.Int(2), kargo = k.Int(3), firma = k.Int(6);
    CariYetkisi(c.b, c.arayan, carino);
    const auto not_ = TemizMetin(k.Metin(4), 1000, "Sipariş notu", true);
    if (c.b.TekSayi("SELECT COUNT(*) FROM teslim_turleri WHERE ID = ?", {teslim}) == 0)
        throw IsHatasi("Teslim şekli geçersiz.");
    if (c.b.TekSayi("SELECT COUNT(*) FROM kargo_turleri WHERE ID = ?", {kargo}) == 0)
        throw IsHatasi("Kargo cinsi geçersiz.");
    if (c.b.TekSayi("SELECT COUNT(*) FROM kargo_firmalari WHERE SIRANO = ? AND KARGOTURU = ?",
                    {firma, kargo}) == 0)
        throw IsHatasi("Kargo firması bu kargo cinsine ait değil.");

    // One transaction: either the order with all its selected lines exists and those lines
    // have left the basket, or nothing changed.
    Islem islem(c.b);
    if (c.b.TekSayi("SELECT COUNT(*) FROM sepet WHERE CARINO = ? AND SEC = 1", {carino}) == 0) {
        k.Sonuc(Deger::Boolean(false));
        return;
    }
    const double simdi = Simdi();
    c.b.Calistir("INSERT INTO siparisler (CARINO, TARIH, VERENSIRANO, TESLIMID, KARGOID, KARGOFIRMA, DURUM, "
                 "VERENINNOTU) VALUES (?, ?, ?, ?, ?, ?, 0, ?)",
                 {carino, simdi, std::int64_t{c.arayan.sirano}, teslim, kargo, firma, not_});
    const auto idno = c.b.SonEklenenNo();
    c.b.Calistir(
        "INSERT INTO siparis_satirlari (SIPARISNO, STOKNO, MIKTAR, BIRIMFIYAT, ILKFIYAT, IND1, IND2, IND3, "
        "IND4, KDV, TARIH) SELECT ?, STOKNO, MIKTAR, BIRIMFIYAT, BIRIMFIYAT, IND1, IND2, IND3, IND4, KDV, ? "
        "FROM sepet WHERE CARINO = ? AND SEC = 1 ORDER BY SIRANO",
        {idno, simdi, carino});
    c.b.Calistir("UPDATE stoklar SET ALINANSIPARIS = ALINANSIPARIS + (SELECT SUM(MIKTAR) FROM sepet "
                 "WHERE sepet.STOKNO = stoklar.STOKNO AND CARINO = ? AND SEC = 1) "
                 "WHERE STOKNO IN (SELECT STOKNO FROM sepet WHERE CARINO = ? AND SEC = 1)",
                 {carino, carino});
    c.b.Calistir("DELETE FROM sepet WHERE CARINO = ? AND SEC = 1", {carino});
    islem.Onayla();
    k.Sonuc(Deger::Boolean(true));
}

// A reader of (identifier, name) rows; the name column is 8-bit text.
Tablo KimlikAdTablosu(DepoBaglantisi& b, const char* sql) {
    // Read by position: an Integer identifier, then the name as 8-bit text.
    return Tabloya(b.Sorgula(sql), {{"ID", SutunTuru::Integer}, {"ADI", SutunTuru::AnsiText}});
}

// The backorder line `sirano` (with its order line number `stokhar`, when given), owned
// by a dealer the caller may act for; answers its open quantity before the change.
double BakiyeSatiri(IsCagrisi& c, std::int64_t sirano, std::int64_t stokhar) {
    if (stokhar != 0 && stokhar != sirano)
        throw IsHatasi("Bakiye satırı bulunamadı.");
    auto s =
        c.b.Sorgula("SELECT o.CARINO, l.MIKTAR - l.TESLIMEDILEN - l.IPTALEDILEN FROM siparis_satirlari l "
                    "JOIN siparisler o ON o.IDNO = l.SIPARISNO WHERE l.SIRANO = ?",
                    {sirano});
    if (s.Bos())
        throw IsHatasi("Bakiye satırı bulunamadı.");
    CariYetkisi(c.b, c.arayan, Sayi(s.satirlar[0][0]));
    return Ondalik(s.satirlar[0][1]);
}

// Sets the open quantity of a backorder line to `yeni` (the rest counts as cancelled).
void BakiyeAyarla(IsCagrisi& c, double yeni) {
    OturumCarisi(c.b, c.arayan, c.k, 0);
    Islem islem(c.b);
    const std::int64_t sirano = c.k.Int(2);
    const double acik = BakiyeSatiri(c, sirano, c.k.Int(3));
    if (!std::isfinite(yeni) || yeni < 0)
        throw IsHatasi("Yeni bakiye sıfırdan küçük olamaz.");
    if (yeni > acik)
        throw IsHatasi("Yeni bakiye açık sipariş miktarını aşamaz.");
    c.b.Calistir("UPDATE siparis_satirlari SET IPTALEDILEN = IPTALEDILEN + ? WHERE SIRANO = ?",
                 {acik - yeni, sirano});
    islem.Onayla();
    c.k.Sonuc(Deger::Integer(1));
}

} // namespace

void SiparisYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    IsKaydet(d, o, "SiparisKaydet", SiparisKaydet);
    IsKaydet(d, o, "TeslimVer", [](IsCagrisi& c) {
        c.k.Sonuc(Deger::Okuyucu(KimlikAdTablosu(c.b, "SELECT ID, ADI FROM teslim_turleri ORDER BY ID")));
    });
    IsKaydet(d, o, "KargoVer", [](IsCagrisi& c) {
        c.k.Sonuc(Deger::Okuyucu(KimlikAdTablosu(c.b, "SELECT ID, ADI FROM kargo_turleri ORDER BY ID")));
    });
    IsKaydet(d, o, "KargolarVer", [](IsCagrisi& c) {
        c.k.Sonuc(Deger::Okuyucu(Tabloya(
            c.b.Sorgula("SELECT SIRANO, ADI, UYARI FROM kargo_firmalari WHERE KARGOTURU = ? ORDER BY ADI",
                        {std::int64_t{c.k.Int(0)}}))));
    });
    IsKaydet(d, o, "OncekiSiparisler", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        c.k.Sonuc(Deger::Okuyucu(
            SiparisBasliklari(c.b, "WHERE o.CARINO = ? ORDER BY o.IDNO DESC", {std::int64_t{c.k.Int(0)}})));
    });
    IsKaydet(d, o, "SiparisAyrintisi2", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        c.k.Sonuc(Deger::Okuyucu(SiparisSatirlari(c.b, "WHERE o.CARINO = ? AND o.IDNO = ? ORDER BY l.SIRANO",
                                                  {std::int64_t{c.k.Int(0)}, std::int64_t{c.k.Int(1)}})));
    });
    IsKaydet(d, o, "SiparisAytintisiDip", [](IsCagrisi& c) {
        // Sent with account 0: the order is found by its number and its owner checked.
        auto s = c.b.Sorgula(
            "SELECT o.CARINO, o.VERENINNOTU, o.DURUM, COALESCE(k.ADI, ''), COALESCE(kf.ADI, ''), "
            "o.ALANNOTU, COALESCE(tt.ADI, ''), COALESCE(kt.ADI, ''), o.SATICINOTU FROM siparisler o "
            "LEFT JOIN kullanicilar k ON k.SIRANO = o.VERENSIRANO "
            "LEFT JOIN kargo_firmalari kf ON kf.SIRANO = o.KARGOFIRMA "
            "LEFT JOIN teslim_turleri tt ON tt.ID = o.TESLIMID "
            "LEFT JOIN kargo_turleri kt ON kt.ID = o.KARGOID WHERE o.IDNO = ?",
            {std::int64_t{c.k.Int(1)}});
        if (s.Bos())
            throw IsHatasi("Sipariş bulunamadı.");
        const auto& r = s.satirlar[0];
        CariYetkisi(c.b, c.arayan, Sayi(r[0]));
        TSiparisDipAyrinti dip;
        dip.SizinMesaj = Metin(r[1]);
        dip.Durumu = SiparisDurumAdi(Sayi(r[2]));
        dip.Veren = Metin(r[3]);
        dip.Kargo = Metin(r[4]);
        dip.BizimMesaj = Metin(r[5]);
        dip.TeslimCinsi = Metin(r[6]);
        dip.KargoCinsi = Metin(r[7]);
        dip.SaticiNotu = Metin(r[8]);
        c.k.Sonuc(Deger::Kayit(KayitJsonMetni(dip)));
    });
    IsKaydet(d, o, "TumSiparislerVer", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        const std::int64_t stokno = c.k.Int(1);
        c.k.Sonuc(Deger::Okuyucu(SiparisSatirlari(c.b,
                                                  "WHERE o.CARINO = ? AND (? = 0 OR l.STOKNO = ?) "
                                                  "ORDER BY o.IDNO DESC, l.SIRANO",
                                                  {std::int64_t{c.k.Int(0)}, stokno, stokno})));
    });
    IsKaydet(d, o, "BakiyelerVer2", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        c.k.Sonuc(Deger::Okuyucu(SiparisSatirlari(
            c.b,
            "WHERE o.CARINO = ? AND l.MIKTAR - l.TESLIMEDILEN - l.IPTALEDILEN > 0 ORDER BY o.IDNO, l.SIRANO",
            {std::int64_t{c.k.Int(0)}}, "KALAN")));
    });
    IsKaydet(d, o, "BakiyeDuzenle", [](IsCagrisi& c) { BakiyeAyarla(c, 0); });
    IsKaydet(d, o, "BakiyeDegistir", [](IsCagrisi& c) { BakiyeAyarla(c, c.k.Double(5)); });
    IsKaydet(d, o, "BakiyeFiyatDegistir", [](IsCagrisi& c) {
        if (c.arayan.tip != 2)
            throw IsHatasi("Bakiye fiyatını yalnızca yetkili satış personeli değiştirebilir.");
        OturumCarisi(c.b, c.arayan, c.k, 0);
        const double fiyat = c.k.Double(7), ind = c.k.Double(8);
        if (!std::isfinite(fiyat) || fiyat < 0 || fiyat > 10'000'000)
            throw IsHatasi("Birim fiyat geçersiz.");
        if (!std::isfinite(ind) || ind < 0 || ind > 100)
            throw IsHatasi("İndirim oranı 0 ile 100 arasında olmalıdır.");
        Islem islem(c.b);
        const std::int64_t sirano = c.k.Int(2);
        if (BakiyeSatiri(c, sirano, c.k.Int(3)) <= 0)
            throw IsHatasi("Bu satırın açık bakiyesi yok.");
        c.b.Calistir("UPDATE siparis_satirlari SET BIRIMFIYAT = ?, IND1 = ? WHERE SIRANO = ?",
                     {Yuvarla(fiyat), ind, sirano});
        islem.Onayla();
        c.k.Sonuc(Deger::Integer(1));
    });
}

} // namespace rvz::sunucu
