// The dealer account: statement, invoices, collections, virtual-POS receipts, the dealer
// search and the account-service texts.
#include "arama.h"
#include "is.h"
#include "mobilstokunit.h"
#include "ortak_sorgular.h"
#include "pdf.h"

namespace rvz::sunucu {

namespace {

// The statement movement `idno` of a kind, owned by a dealer the caller may act for.
void HareketSahibi(IsCagrisi& c, std::int64_t idno, bool fatura) {
    auto s = c.b.Sorgula("SELECT CARINO, TURADI FROM cari_hareketler WHERE IDNO = ?", {idno});
    const bool uygun = !s.Bos() && ((Metin(s.satirlar[0][1]).find("Fatura") != std::string::npos) == fatura);
    if (!uygun)
        throw IsHatasi(fatura ? "Fatura bulunamadı." : "Tahsilat belgesi bulunamadı.");
    CariYetkisi(c.b, c.arayan, Sayi(s.satirlar[0][0]));
}

Tablo FaturaSatirlari(DepoBaglantisi& b, std::int64_t idno) {
    auto t = Tabloya(b.Sorgula(
        "SELECT h.EVRAK AS EVRAKNO, COALESCE(st.ADI, '') AS SATICIADI, h.TARIH AS STOKHAR_HAREKETTARIHI, "
        "h.TURADI AS STOKHAR_HAREKETTIPI2, h.VADE AS STOKHAR_VADE, s.OEMNO, s.ADI AS STOKADI, s.FINISHKOD, "
        "s.MARKA, "
        "s.MODEL, s.ANAGRUP, s.BIRIM, s.OZELKOD, s.BARKOD, f.MIKTAR AS STOKHAR_MIKTAR, f.BIRIMFIYAT AS "
        "STOKHAR_TLBIRIMFIYATI, f.IND1 AS STOKHAR_INDIRIM1, f.IND2 AS STOKHAR_INDIRIM2, 0.0 AS "
        "STOKHAR_INDIRIM3, "
        "0.0 AS STOKHAR_INDIRIM4, 0.0 AS STOKHAR_INDIRIM5, 0.0 AS STOKHAR_INDIRIM6, 0.0 AS STOKHAR_INDIRIM7, "
        "0.0 AS STOKHAR_INDIRIM8, f.KDV, 0.0 AS STOKHAR_TOPLAMMASRAF, 0.0 AS STOKHAR_MASRAF1, 0.0 AS "
        "STOKHAR_MASRAF2, "
        "0.0 AS STOKHAR_DOVIZBIRIMFIYATI, 0.0 AS STOKHAR_DOVIZVERGI, 0.0 AS STOKHAR_DOVIZTUTAR, "
        "0.0 AS STOKHAR_DOVIZTOPLAMINDIRIM, 0.0 AS STOKHAR_DOVIZTOPLAMMASRAF, 0.0 AS "
        "STOKHAR_NETDOVIZBIRIMFIYATI, "
        "0.0 AS STOKHAR_NETDOVIZTUTAR, 1.0 AS STOKHAR_KURTL, h.EVRAK AS IRSALIYEEVRAKNO, h.TARIH AS "
        "STOKHAR_IRSTARIHI, '' AS STOKHAR_PARTI, '' AS STOKHAR_BEDEN, '' AS STOKHAR_RENK, '' AS "
        "SATIRACIKLMASI, " +
            SaatSql("h.TARIH") +
            " AS STOKHAR_SAAT, 0 AS SIPARISTIPI, '' AS SIPARISEVRAKNO, h.TARIH AS SIPARISTARIHI, 0 AS "
            "IRSALIYETIPINO, "
            "'' AS IRSALIYETIP2, c.CARIKOD AS STOKCARIKOD, 0 AS SUBE_NO, h.CARINO AS STOKHAR_CARINO, "
            "'TL' AS KUR_KURSIMGE, s.URETICIKODU, s.DPKOD, s.DIGERADI AS ENADI, s.PKOD, f.SIRANO AS BELGENO, "
            "h.IDNO "
            "FROM fatura_satirlari f JOIN cari_hareketler h ON h.IDNO = f.FATURA JOIN stoklar s ON s.STOKNO "
            "= f.STOKNO "
            "JOIN cariler c ON c.CARINO = h.CARINO LEFT JOIN saticilar st ON st.SATICINO = h.SATICINO "
            "WHERE f.FATURA = ? ORDER BY f.SIRANO",
        {idno}));
    for (auto ad : {"STOKHAR_TLTUTAR", "STOKHAR_TOPLAMINDIRIM", "STOKHAR_NETTLBIRIMFIYATI",
                    "STOKHAR_NETTLTUTAR", "STOKHAR_TLVERGI"})
        t.SutunEkle(ad, SutunTuru::Double);
    for (auto& r : t.satirlar) {
        const std::size_t n = r.size() - 5;
        auto h =
            SatirHesapla(OndalikAl(t, r, "STOKHAR_MIKTAR"), OndalikAl(t, r, "STOKHAR_TLBIRIMFIYATI"),
                         {OndalikAl(t, r, "STOKHAR_INDIRIM1"), OndalikAl(t, r, "STOKHAR_INDIRIM2"), 0, 0},
                         OndalikAl(t, r, "KDV"));
        r.resize(n);
        r.insert(r.end(), {h.tutar, h.indirimTutar, h.netBirim, h.netTutar, h.vergi});
    }
    return t;
}

Tablo FaturaToplami(const Tablo& satirlar) {
    double tutar = 0, indirim = 0, matrah = 0, vergi = 0;
    for (const auto& r : satirlar.satirlar) {
        tutar = Yuvarla(tutar + OndalikAl(satirlar, r, "STOKHAR_TLTUTAR"));
        indirim = Yuvarla(indirim + OndalikAl(satirlar, r, "STOKHAR_TOPLAMINDIRIM"));
        matrah = Yuvarla(matrah + OndalikAl(satirlar, r, "STOKHAR_NETTLTUTAR"));
        vergi = Yuvarla(vergi + OndalikAl(satirlar, r, "STOKHAR_TLVERGI"));
    }
    Tablo t;
    for (auto ad : {"MATRAH", "TOPLAMINDIRIM", "KDVTUTAR", "KDVDAHIL", "TOPLAM"})
        t.SutunEkle(ad, SutunTuru::Double);
    t.satirlar.push_back({matrah, indirim, vergi, Yuvarla(matrah + vergi), tutar});
    return t;
}

std::string MakbuzPdf(DepoBaglantisi& b, std::int64_t sirano) {
    auto s =
        b.Sorgula("SELECT h.TARIH, h.EVRAK, h.ALACAK, c.CARIKOD, c.CARIADI, p.KARTNO, p.ONAYKODU, p.TAKSIT, "
                  "p.SIRANO FROM sanalpos p JOIN cari_hareketler h ON h.IDNO = p.HAREKET "
                  "JOIN cariler c ON c.CARINO = h.CARINO WHERE p.SIRANO = ?",
                  {sirano});
    const auto& r = s.satirlar.at(0);
    PdfBelge belge;
    belge.baslik = "Sanal POS Tahsilat Makbuzu";
    belge.ustBilgi = {"Parlavik Otomotiv", "Cari: " + Metin(r[3]) + " - " + Metin(r[4]),
                      "Tarih: " + TarihYazisi(Ondalik(r[0])), "Makbuz No: " + Metin(r[8]),
                      "Evrak No: " + Metin(r[1])};
    belge.sutunlar = {"Kart No", "Onay Kodu", "Taksit", "Tutar (TL)"};
    belge.satirlar = {{Metin(r[5]), Metin(r[6]), Metin(r[7]), TutarYazisi(Ondalik(r[2]))}};
    belge.altBilgi = {"Ödenen Tutar: " + TutarYazisi(Ondalik(r[2])) + " TL",
                      "Bu makbuz sanal POS ödemesi için düzenlenmiştir."};
    return PdfYap(belge);
}

} // namespace

void CariYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    IsKaydet(d, o, "CariEkstreVer", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        // BAKIYE and D are present for the client, which writes the running balance itself.
        c.k.Sonuc(Deger::Okuyucu(Tabloya(c.b.Sorgula(
            "SELECT CARINO, TARIH, TURADI, EVRAK, BORC, ALACAK, KUR, 0.0 AS BAKIYE, ' ' AS D, IDNO, ACIKLAMA "
            "FROM cari_hareketler WHERE CARINO = ? ORDER BY TARIH, IDNO",
            {std::int64_t{c.k.Int(0)}}))));
    });
    IsKaydet(d, o, "FaturaGetir", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        HareketSahibi(c, c.k.Int(1), true);
        if (c.b.TekSayi("SELECT CARINO FROM cari_hareketler WHERE IDNO = ?", {std::int64_t{c.k.Int(1)}}) !=
            c.k.Int(0))
            throw IsHatasi("Fatura bu cariye ait değil.");
        c.k.Sonuc(Deger::Okuyucu(FaturaSatirlari(c.b, c.k.Int(1))));
    });
    IsKaydet(d, o, "FaturaAltGetir", [](IsCagrisi& c) {
        HareketSahibi(c, c.k.Int(0), true);
        c.k.Sonuc(Deger::Okuyucu(FaturaToplami(FaturaSatirlari(c.b, c.k.Int(0)))));
    });
    IsKaydet(d, o, "Tahsilat", [](IsCagrisi& c) {
        HareketSahibi(c, c.k.Int(0), false);
        c.k.Sonuc(Deger::Okuyucu(Tabloya(c.b.Sorgula(
            "SELECT TARIH AS Tarih, TURADI AS \"Türü\", CINS AS Cins, EVRAK AS EvrakNo, VADE AS Vade, "
            "BORC + ALACAK AS Tutar, KUR AS Kur, 1.0 AS KurTL, ACIKLAMA AS \"Açıklama\", "
            "0.0 AS \"Döviz Tutar\", IDNO AS Ref, " +
                SaatSql("TARIH") + " AS Saat FROM cari_hareketler WHERE IDNO = ?",
            {std::int64_t{c.k.Int(0)}}))));
    });
    IsKaydet(d, o, "SanalposSiranoVer", [](IsCagrisi& c) {
        HareketSahibi(c, c.k.Int(0), false);
        c.k.Sonuc(Deger::Integer(static_cast<std::int32_t>(
            c.b.TekSayi("SELECT SIRANO FROM sanalpos WHERE HAREKET = ?", {std::int64_t{c.k.Int(0)}}))));
    });
    IsKaydet(d, o, "SAnalPosPdfVer", [](IsCagrisi& c) {
        auto sahip = c.b.Tek("SELECT h.CARINO FROM sanalpos p JOIN cari_hareketler h ON h.IDNO = p.HAREKET "
                             "WHERE p.SIRANO = ?",
                             {std::int64_t{c.k.Int(0)}});
        if (std::holds_alternative<std::monostate>(sahip))
            throw IsHatasi("Sanal POS ödemesi bulunamadı.");
        CariYetkisi(c.b, c.arayan, Sayi(sahip));
        auto pdf = MakbuzPdf(c.b, c.k.Int(0));
        c.k.Ata(1, Deger::Int64(static_cast<std::int64_t>(pdf.size())));
        c.k.Sonuc(Deger::Akis(std::move(pdf)));
    });
    IsKaydet(d, o, "CariAra", [](IsCagrisi& c) {
        // Sales staff search before any dealer is chosen, with 0 as the session's account. The
        // list is narrowed by the caller's own rights below, so the record need only be present.
        if (c.k.Bos(0))
            throw IsHatasi("Oturum bilgisi gönderilmedi.");
        const auto aranan = c.k.Metin(1).size() > 200 ? std::string("\x01") : AramaAnahtari(c.k.Metin(1));
        std::vector<Veri> p;
        auto t = CariTablosu(c.b, "WHERE " + CariErisimSarti(c.arayan, p) + " ORDER BY c.CARIADI", p);
        if (!aranan.empty()) {
            std::erase_if(t.satirlar, [&](const std::vector<Hucre>& r) {
                return AramaAnahtari(Metin(r[1]) + " " + Metin(r[2]) + " " + Metin(r[15]) + " " +
                                     Metin(r[14]))
                           .find(aranan) == std::string::npos;
            });
        }
        c.k.Sonuc(Deger::Okuyucu(std::move(t)));
    });
    IsKaydet(d, o, "CariDurumVer", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        const double bakiye = c.b.TekOndalik("SELECT COALESCE(SUM(BORC - ALACAK), 0) FROM cari_hareketler "
                                             "WHERE CARINO = ?",
                                             {std::int64_t{c.k.Int(0)}});
        // Only a debt can be paid through the payment page; nothing owed gives no page.
        char tampon[32];
        std::snprintf(tampon, sizeof tampon, "%.2f", Yuvarla(bakiye));
        c.k.Sonuc(Deger::String(Yuvarla(bakiye) > 0 ? tampon : ""));
    });
    IsKaydet(d, o, "CariVadeGunGecmismiBul", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        // Overdue: invoices whose due date has passed, less every collection so far.
        const std::int64_t carino = c.k.Int(0);
        const double vadesiGecen = c.b.TekOndalik(
            "SELECT COALESCE(SUM(BORC), 0) FROM cari_hareketler WHERE CARINO = ? AND BORC > 0 AND VADE < ?",
            {carino, Simdi()});
        const double odenen =
            c.b.TekOndalik("SELECT COALESCE(SUM(ALACAK), 0) FROM cari_hareketler WHERE CARINO = ?", {carino});
        const double geciken = Yuvarla(vadesiGecen - odenen);
        c.k.Sonuc(Deger::String(geciken > 0 ? "Vadesi geçmiş " + TutarYazisi(geciken) +
                                                  " TL bakiyeniz bulunmaktadır. Lütfen ödeme yapınız."
                                            : ""));
    });
    IsKaydet(d, o, "MobilCariBilgisiGetir", [](IsCagrisi& c) {
        TMobilCariBilgisi m;
        m.BILGISAYARID = c.k.Metin(1);
        // The record of the dealer registered for the calling machine, whatever `_idsi` says.
        auto s = c.b.Sorgula(
            "SELECT c.SEHIR, c.FAX1, COALESCE(st.MAIL, ''), COALESCE(st.ADI, ''), c.CARIADI, c.EMAIL, "
            "c.VERGIDAIRESI, c.YETKILI, c.ALTGRUP, c.TEL2, c.GSM, c.TEL1, c.ADRES2, c.ADRES1, c.ULKE, "
            "c.ANAGRUP, "
            "c.CARINO, c.VERGINO, c.OZELKOD, COALESCE(st.TELEFON, ''), c.CARIKOD, c.FAX2, c.ILCE, "
            "(SELECT ROUND(COALESCE(SUM(BORC), 0), 2) FROM cari_hareketler WHERE CARINO = c.CARINO), "
            "(SELECT ROUND(COALESCE(SUM(ALACAK), 0), 2) FROM cari_hareketler WHERE CARINO = c.CARINO) "
            "FROM (SELECT *, IL AS SEHIR FROM cariler) c LEFT JOIN saticilar st ON st.SATICINO = c.SATICINO "
            "WHERE c.CARINO = ?",
            {std::int64_t{c.arayan.carino}});
        auto u = c.b.Sorgula("SELECT ADI, SIFRE, MAIL FROM kullanicilar WHERE SIRANO = ?",
                             {std::int64_t{c.arayan.sirano}});
        if (!u.Bos()) {
            m.KULLANICIADI = Metin(u.satirlar[0][0]);
            m.SIFRE = Metin(u.satirlar[0][1]);
            m.MAIL = Metin(u.satirlar[0][2]);
        }
        if (!s.Bos()) {
            const auto& r = s.satirlar[0];
            std::string* metinler[] = {&m.SEHIR,   &m.FAX1,   &m.SATICIMAIL,   &m.SATICIADI,
                                       &m.CARIADI, &m.EMAIL,  &m.VERGIDAIRESI, &m.YETKILI,
                                       &m.AltGrup, &m.TEL2,   &m.GSM,          &m.TEL1,
                                       &m.ADRES2,  &m.ADRES1, &m.ULKE,         &m.AnaGrup};
            for (std::size_t i = 0; i < std::size(metinler); ++i)
                *metinler[i] = Metin(r[i]);
            m.CARINO = static_cast<std::int32_t>(Sayi(r[16]));
            m.VERGINO = Metin(r[17]);
            m.OzelKod = Metin(r[18]);
            m.SATICITELEFON = Metin(r[19]);
            m.CARIKOD = Metin(r[20]);
            m.FAX2 = Metin(r[21]);
            m.ILCE = Metin(r[22]);
            m.TLBORC = Ondalik(r[23]);
            m.TLALACAK = Ondalik(r[24]);
            m.TLBAKIYE = Yuvarla(m.TLBORC - m.TLALACAK);
        }
        c.k.Sonuc(Deger::Kayit(KayitJsonMetni(m)));
    });
}

} // namespace rvz::sunucu
