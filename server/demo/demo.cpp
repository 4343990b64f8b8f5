#include "demo.h"

#include "arama.h"
#include "demo_adlari.h"
#include "demo_varliklar.h"
#include "ortak_sorgular.h"
#include "stok_yazici.h"

#include <cstdio>

namespace rvz::sunucu {

namespace {

using namespace demo;

// A small deterministic generator (the standard distributions differ between libraries).
class Zar {
public:
    std::uint64_t Sonraki() {
        durum_ ^= durum_ << 13;
        durum_ ^= durum_ >> 7;
        durum_ ^= durum_ << 17;
        return durum_;
    }
    int Sec(int n) { return static_cast<int>(Sonraki() % static_cast<std::uint64_t>(n)); }
    bool Olasilik(int yuzde) { return Sec(100) < yuzde; }
    std::string Rakamlar(int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>('0' + Sec(10));
        return s;
    }
    std::string Harfler(int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>('A' + Sec(26));
        return s;
    }
    template <class T> const T& Biri(std::span<const T> s) {
        return s[static_cast<std::size_t>(Sec(static_cast<int>(s.size())))];
    }

private:
    std::uint64_t durum_ = 0x9E3779B97F4A7C15ull;
};

// Part numbers in the forms makers print them: dashes, spaces and dots inside.
std::string OemNo(Zar& z) {
    switch (z.Sec(4)) {
    case 0:
        return z.Rakamlar(5) + "-" + z.Rakamlar(1) + z.Harfler(1) + z.Rakamlar(3);
    case 1:
        return z.Rakamlar(1) + z.Harfler(1) + z.Rakamlar(1) + " " + z.Rakamlar(3) + " " + z.Rakamlar(3) +
               " " + z.Harfler(2);
    case 2:
        return z.Rakamlar(2) + "." + z.Rakamlar(2) + "." + z.Rakamlar(1) + "." + z.Rakamlar(3) + "." +
               z.Rakamlar(3);
    default:
        return z.Rakamlar(4) + "." + z.Harfler(1) + z.Rakamlar(1);
    }
}

// Demo dates count back from a fixed day so that every run makes the same database.
const double kBugun = OleTarih(2025, 6, 2);

void Tanimlar(DepoBaglantisi& b) {
    for (const auto& [id, ad] :
         {std::pair{1, "Kargo ile Gönderim"}, {2, "Depodan Teslim"}, {3, "Servis Aracı ile"}})
        b.Calistir("INSERT INTO teslim_turleri (ID, ADI) VALUES (?, ?)", {std::int64_t{id}, ad});
    for (const auto& [id, ad] :
         {std::pair{1, "Alıcı Ödemeli"}, {2, "Gönderici Ödemeli"}, {3, "Anlaşmalı Kargo"}})
        b.Calistir("INSERT INTO kargo_turleri (ID, ADI) VALUES (?, ?)", {std::int64_t{id}, ad});
    struct Firma {
        int tur;
        const char* adi;
        const char* uyari;
    };
    for (const auto& f :
         {Firma{1, "HIZIR KARGO", ""}, Firma{1, "YILDIRIM LOJİSTİK", "Cumartesi teslimat yapılmaz."},
          Firma{1, "ANADOLU EKSPRES", ""}, Firma{2, "MARMARA KARGO", "Desi başı ek ücret alınır."},
          Firma{2, "HIZIR KARGO", ""}, Firma{3, "PARLAVİK SERVİS ARACI", "Yalnızca il içi teslimat."},
          Firma{3, "EGE NAKLİYAT", "Ağır parçalar için randevu alınız."}})
        b.Calistir("INSERT INTO kargo_firmalari (KARGOTURU, ADI, UYARI) VALUES (?, ?, ?)",
                   {std::int64_t{f.tur}, f.adi, f.uyari});
}

void Icerik(DepoBaglantisi& b) {
    auto koy = [&](const char* ad, std::string_view deger) {
        b.Calistir("INSERT INTO icerik (AD, DEGER) VALUES (?, ?)", {ad, std::string(deger)});
    };
    koy("KAYANYAZI",
        "<b>Parlavik Otomotiv</b> B2B sistemine hoş geldiniz. <font color=\"#c0392b\">Fren "
        "sistemlerinde haziran kampanyası!</font> Siparişleriniz 16:00'ya kadar aynı gün kargoda.");
    koy("BANNER1", DemoVarligi("banner1.gif"));
    koy("BANNER2", DemoVarligi("banner2.gif"));
    koy("BANNER3", DemoVarligi("banner3.bmp"));
    struct Duyuru {
        int reklam;
        const char* baslik;
        const char* arama;
        const char* resim;
    };
    int sira = 0;
    for (const auto& d :
         {Duyuru{0, "Haziran kampanyası: fren sistemlerinde indirim", "#KAMPANYA#", "duyuru1.jpg"},
          Duyuru{0, "Yeni gelen ürünlerimizi inceleyin", "#YENİ#", "duyuru2.jpg"},
          Duyuru{0, "Filtre grubunda stoklar yenilendi", "YAĞ FİLTRESİ", "duyuru3.jpg"},
          Duyuru{0, "Bayram tatilinde depomuz kapalıdır", "", ""},
          Duyuru{1, "Yaz bakım kampanyası", "#KAMPANYA#", "reklam1.jpg"},
          Duyuru{1, "Yeni ürünler stokta", "#YENİ#", "reklam2.jpg"}}) {
        auto resim = DemoVarligi(d.resim);
        b.Calistir("INSERT INTO duyurular (REKLAM, SIRA, BASLIK, ARAMA, RESIM) VALUES (?, ?, ?, ?, ?)",
                   {std::int64_t{d.reklam}, std::int64_t{++sira}, d.baslik, d.arama,
                    resim.empty() ? Veri{} : Veri{std::string(resim)}});
    }
}

void Insanlar(DepoBaglantisi& b, Zar& z) {
    const char* saticilar[][3] = {{"AHMET YILMAZ", "0532 111 22 33", "ahmet.yilmaz@parlavik.com.tr"},
                                  {"ELİF KAYA", "0533 222 33 44", "elif.kaya@parlavik.com.tr"},
                                  {"MURAT ÖZTÜRK", "0535 333 44 55", "murat.ozturk@parlavik.com.tr"},
                                  {"ZEYNEP ÇELİK", "0536 444 55 66", "zeynep.celik@parlavik.com.tr"}};
    for (auto& s : saticilar)
        b.Calistir("INSERT INTO saticilar (ADI, TELEFON, MAIL) VALUES (?, ?, ?)", {s[0], s[1], s[2]});
    const auto firmalar = FirmaAdlari();
    for (int i = 1; i <= 40; ++i) {
        const auto sehir = std::string(z.Biri(Sehirler()));
        const auto ad = std::string(firmalar[static_cast<std::size_t>((i - 1) % firmalar.size())]) +
                        ((i - 1) / static_cast<int>(firmalar.size()) ? " " + std::to_string(i) : "");
        const double isk1 = 5 * (2 + z.Sec(7)), isk2 = z.Olasilik(60) ? 5 * (1 + z.Sec(2)) : 0,
                     isk3 = z.Olasilik(30) ? 3 : 0;
        b.Calistir(
            "INSERT INTO cariler (CARIKOD, CARIADI, YETKILI, TEL1, GSM, FAX1, EMAIL, ADRES1, ADRES2, ILCE, "
            "IL, "
            "VERGIDAIRESI, VERGINO, OZELKOD, KOD1, ANAGRUP, ALTGRUP, SATICINO, ISK1, ISK2, ISK3, ISK4, VADE, "
            "VADEKONTROLGUN) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)",
            {"120." + std::to_string(1000 + i),
             ad,
             i % 2 ? "HASAN DEMİR" : "AYŞE ARSLAN",
             "0" + std::to_string(212 + z.Sec(300)) + " " + z.Rakamlar(3) + " " + z.Rakamlar(4),
             "05" + z.Rakamlar(2) + " " + z.Rakamlar(3) + " " + z.Rakamlar(4),
             "0212 " + z.Rakamlar(7),
             "bayi" + std::to_string(i) + "@ornek.com.tr",
             "Sanayi Sitesi " + std::to_string(1 + z.Sec(40)) + ". Blok No: " + std::to_string(1 + z.Sec(90)),
             "",
             "MERKEZ",
             sehir,
             sehir + " VERGİ DAİRESİ",
             z.Rakamlar(10),
             i % 3 ? "A" : "B",
             "BAYİ",
             "YEDEK PARÇA",
             "OTO SANAYİ",
             std::int64_t{1 + (i - 1) % 4},
             isk1,
             isk2,
             isk3,
             std::int64_t{30 + 15 * z.Sec(4)},
             std::int64_t{15}});
    }
    // One user and one machine per user type; representative users act for their own dealers.
    struct Kullanici {
        const char* adi;
        const char* sifre;
        int tip, carino, satici;
    };
    int tip = 0;
    for (const auto& k : {Kullanici{"BAYI", "1000", 0, 1, 0}, Kullanici{"SATICI", "1001", 1, 0, 1},
                          Kullanici{"MUDUR", "1002", 2, 0, 0}, Kullanici{"BAYI3", "1003", 3, 2, 0},
                          Kullanici{"BAYI4", "1004", 4, 3, 0}}) {
        b.Calistir("INSERT INTO kullanicilar (ADI, SIFRE, AKTIF, MUSTERITIPI, CARINO, SATICINO, MAIL) "
                   "VALUES (?, ?, 1, ?, ?, ?, ?)",
                   {k.adi, k.sifre, std::int64_t{k.tip}, k.carino ? Veri{std::int64_t{k.carino}} : Veri{},
                    k.satici ? Veri{std::int64_t{k.satici}} : Veri{},
                    std::string(k.adi) + "@parlavik-demo.com.tr"});
        b.Calistir("INSERT INTO makineler (BILGISAYARID, KULLANICI, KAYITTARIHI) VALUES (?, ?, ?)",
                   {"DEMO-TIP" + std::to_string(tip++), b.SonEklenenNo(), kBugun});
    }
}

void Stoklar(DepoBaglantisi& b, Zar& z, int adet) {
    const char* resimler[] = {"parca1.jpg", "parca2.jpg", "parca3.jpg", "parca4.jpg", "parca5.jpg"};
    const int durumAgirligi[] = {55, 15, 10, 10, 5, 5};
    for (int i = 1; i <= adet; ++i) {
        const auto& tur = z.Biri(ParcaTurleri());
        const auto yon = std::string(z.Biri(Yonler()));
        StokKaydi s;
        s.MARKA = std::string(z.Biri(Markalar()));
        s.MODEL = std::string(z.Biri(Modeller()));
        s.ADI = std::string(tur.adi) + (yon.empty() ? "" : " " + yon);
        s.DIGERADI = s.ADI + " " + s.MODEL;
        s.KOD = "PRV-" + std::to_string(100000 + i);
        s.BARKOD = "869" + std::to_string(1000000000LL + i * 7919LL % 1000000000LL);
        s.BARKODNO = i;
        s.OEM1 = OemNo(z);
        s.OEM2 = z.Olasilik(60) ? OemNo(z) : "";
        s.OEM3 = z.Olasilik(30) ? OemNo(z) : "";
        s.OEM4 = z.Olasilik(10) ? OemNo(z) : "";
        s.OEMNO = s.OEM1;
        s.OZELKOD1 = s.BARKOD;
        s.OZELKOD = std::string(1, static_cast<char>('A' + z.Sec(3)));
        s.URETICIKODU = AramaAnahtari(s.MARKA).substr(0, 2) + "-" + z.Rakamlar(5);
        s.FINISHKOD = "F" + z.Rakamlar(6);
        s.DPKOD = "DP" + z.Rakamlar(4);
        s.PKOD = "PK" + z.Rakamlar(4);
        s.ANAGRUP = std::string(tur.anaGrup);
        s.ALTGRUP = std::string(tur.altGrup);
        s.DEPARTMAN = std::string(tur.departman);
        s.BIRIM = tur.adi == "BUJİ" || tur.adi == "FAR AMPULÜ" ? "ADET" : z.Olasilik(5) ? "TAKIM" : "ADET";
        int d = z.Sec(100);
        for (s.DURUM = 0; s.DURUM < 5 && d >= durumAgirligi[s.DURUM]; ++s.DURUM)
            d -= durumAgirligi[s.DURUM];
        s.YENI = z.Olasilik(5);
        s.KAMPANYA = z.Olasilik(5);
        s.KALAN = s.DURUM == 3 ? 0 : z.Sec(400);
        s.KDV = 20;
        s.LISTEFIYAT = Yuvarla(tur.fiyat * (0.6 + z.Sec(90) / 100.0));
        s.KAMPFIYAT = s.KAMPANYA ? Yuvarla(s.LISTEFIYAT * 0.85) : 0;
        if (z.Olasilik(10))
            s.RESIM = std::string(DemoVarligi(resimler[z.Sec(5)]));
        StokYaz(b, s);
    }
}

struct SatirBilgisi {
    std::int64_t stok;
    double miktar, fiyat, kdv;
};

SatirBilgisi RastgeleSatir(DepoBaglantisi& b, Zar& z, int stokSayisi) {
    const std::int64_t stok = 1 + z.Sec(stokSayisi);
    auto r = b.Sorgula("SELECT LISTEFIYAT, KDV FROM stoklar WHERE STOKNO = ?", {stok}).satirlar.at(0);
    return {stok, static_cast<double>(1 + z.Sec(10)), Ondalik(r[0]), Ondalik(r[1])};
}

void Gecmis(DepoBaglantisi& b, Zar& z, int stokSayisi) {
    // Baskets of a few dealers, the first user's dealer among them.
    for (std::int64_t carino : {1, 2, 3, 5, 9, 13}) {
        const auto ind = CariIndirimleri(b, carino);
        for (int i = 0, n = 2 + z.Sec(4); i < n; ++i) {
            auto s = RastgeleSatir(b, z, stokSayisi);
            b.Calistir(
                "INSERT INTO sepet (CARINO, STOKNO, MIKTAR, BIRIMFIYAT, IND1, IND2, IND3, IND4, KDV, SEC, "
                "VERENSIRANO, TARIH) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?)",
                {carino, s.stok, s.miktar, s.fiyat, ind[0], ind[1], ind[2], ind[3], s.kdv,
                 std::int64_t{z.Olasilik(70)}, kBugun - z.Sec(5)});
        }
    }
    // Orders in every state; prepared-in-part and shipped ones with partial deliveries.
    for (std::int64_t carino = 1; carino <= 16; ++carino) {
        const auto ind = CariIndirimleri(b, carino);
        for (int k = 0; k < 8; ++k) {
            const std::int64_t durum = (k + carino) % 6;
            const double tarih = kBugun - 2 - 20.0 * k - z.Sec(15) + (8 + z.Sec(9)) / 24.0;
            b.Calistir(
                "INSERT INTO siparisler (CARINO, TARIH, VERENSIRANO, TESLIMID, KARGOID, KARGOFIRMA, DURUM, "
                "VERENINNOTU, ALANNOTU, SATICINOTU) VALUES (?, ?, 1, ?, ?, ?, ?, ?, ?, ?)",
                {carino, tarih, std::int64_t{1 + z.Sec(3)}, std::int64_t{1}, std::int64_t{1 + z.Sec(3)},
                 durum, k % 2 ? "Acil gönderim rica ederiz." : "",
                 durum > 0 ? "Siparişiniz işleme alındı." : "",
                 k % 3 == 0 ? "Fiyatlar kampanya dahilindedir." : ""});
            const auto idno = b.SonEklenenNo();
            for (int i = 0, n = 2 + z.Sec(5); i < n; ++i) {
                auto s = RastgeleSatir(b, z, stokSayisi);
                double teslim = durum == 5 || durum == 4 ? s.miktar : 0;
                if (durum == 3 || (durum == 5 && z.Olasilik(40)))
                    teslim = static_cast<double>(z.Sec(static_cast<int>(s.miktar)));
                b.Calistir(
                    "INSERT INTO siparis_satirlari (SIPARISNO, STOKNO, MIKTAR, TESLIMEDILEN, BIRIMFIYAT, "
                    "ILKFIYAT, IND1, IND2, IND3, IND4, KDV, TARIH) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                    "?)",
                    {idno, s.stok, s.miktar, teslim, s.fiyat, s.fiyat, ind[0], ind[1], ind[2], ind[3], s.kdv,
                     tarih});
            }
        }
    }
}

void Ekstreler(DepoBaglantisi& b, Zar& z, int stokSayisi) {
    const char* cinsler[] = {"Nakit", "Çek", "Havale", "Sanal POS"};
    int evrak = 1;
    for (std::int64_t carino = 1; carino <= 40; ++carino) {
        const auto ind = CariIndirimleri(b, carino);
        const auto vade = b.TekSayi("SELECT VADE FROM cariler WHERE CARINO = ?", {carino});
        const auto satici = b.TekSayi("SELECT SATICINO FROM cariler WHERE CARINO = ?", {carino});
        double borc = 0;
        for (int k = 0; k < 10; ++k) {
            const double tarih = kBugun - 300 + 30.0 * k + z.Sec(10) + 0.45;
            if (k % 3 != 2) {
                b.Calistir("INSERT INTO cari_hareketler (CARINO, TARIH, TURADI, EVRAK, BORC, ACIKLAMA, VADE, "
                           "SATICINO) "
                           "VALUES (?, ?, 'Satış Faturası', ?, 0, 'Toptan satış', ?, ?)",
                           {carino, tarih, "PRV" + std::to_string(2025000000 + evrak++),
                            tarih + static_cast<double>(vade), satici});
                const auto fatura = b.SonEklenenNo();
                double toplam = 0;
                for (int i = 0, n = 2 + z.Sec(4); i < n; ++i) {
                    auto s = RastgeleSatir(b, z, stokSayisi);
                    b.Calistir(
                        "INSERT INTO fatura_satirlari (FATURA, STOKNO, MIKTAR, BIRIMFIYAT, IND1, IND2, KDV) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)",
                        {fatura, s.stok, s.miktar, s.fiyat, ind[0], ind[1], s.kdv});
                    auto h = SatirHesapla(s.miktar, s.fiyat, {ind[0], ind[1], 0, 0}, s.kdv);
                    toplam = Yuvarla(toplam + h.netTutar + h.vergi);
                }
                b.Calistir("UPDATE cari_hareketler SET BORC = ? WHERE IDNO = ?", {toplam, fatura});
                borc = Yuvarla(borc + toplam);
            } else {
                const char* cins = cinsler[z.Sec(4)];
                const double tutar = Yuvarla(borc * (0.5 + z.Sec(40) / 100.0));
                borc = Yuvarla(borc - tutar);
                b.Calistir("INSERT INTO cari_hareketler (CARINO, TARIH, TURADI, EVRAK, ALACAK, ACIKLAMA, "
                           "CINS, VADE, "
                           "SATICINO) VALUES (?, ?, 'Tahsilat', ?, ?, ?, ?, ?, ?)",
                           {carino, tarih, "TH" + std::to_string(100000 + evrak++), tutar,
                            std::string(cins) + " tahsilat", cins, tarih, satici});
                if (std::string_view(cins) == "Sanal POS")
                    b.Calistir("INSERT INTO sanalpos (HAREKET, KARTNO, ONAYKODU, TAKSIT) VALUES (?, ?, ?, ?)",
                               {b.SonEklenenNo(), "5400 36** **** " + z.Rakamlar(4), z.Rakamlar(6),
                                std::int64_t{1 + 2 * z.Sec(3)}});
            }
        }
    }
}

} // namespace

void DemoDoldur(Depo& depo, const DemoAyarlari& ayarlar) {
    if (ayarlar.stokSayisi < 1 || ayarlar.stokSayisi > 100000)
        throw std::invalid_argument("--demo-items 1 ile 100000 arasında olmalı");
    auto b = depo.Al();
    if (b->TekSayi("SELECT (SELECT COUNT(*) FROM cariler) + (SELECT COUNT(*) FROM stoklar)") > 0)
        throw std::runtime_error("veritabanı boş değil; demo verisi yalnızca boş bir veritabanına yazılır");
    Islem islem(*b);
    Zar z;
    Tanimlar(*b);
    Icerik(*b);
    Insanlar(*b, z);
    Stoklar(*b, z, ayarlar.stokSayisi);
    Gecmis(*b, z, ayarlar.stokSayisi);
    Ekstreler(*b, z, ayarlar.stokSayisi);
    islem.Onayla();
}

} // namespace rvz::sunucu
