// Refusals: callers outside their rights and bad input get an error text, nothing changes.
#include "is_ortam.h"

#include <functional>
#include <limits>

namespace rvz::sunucu::test {
namespace {

std::int32_t Ilk(const char* sql) {
    auto b = DemoSunucu::Ornek().Depom().Al();
    return static_cast<std::int32_t>(b->TekSayi(sql));
}

struct Ret {
    const char* ad;
    const char* makine;
    std::function<void(Istemci&)> cagri;
};

class Reddedilir : public ::testing::TestWithParam<Ret> {};

TEST_P(Reddedilir, HataMetniyle) {
    Istemci i(GetParam().makine);
    try {
        GetParam().cagri(i);
        FAIL() << "reddedilmedi";
    } catch (const UzakHata& e) {
        EXPECT_FALSE(std::string(e.what()).empty());
    }
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Yetki, Reddedilir,
    ::testing::Values(
        Ret{"KayitsizMakine", "KAYITSIZ", [](Istemci& i) { i->StokAraGetir("fren", Istemci::Oturum(1)); }},
        Ret{"BaskaBayininSepeti", "DEMO-TIP0", [](Istemci& i) { i->SepetVer2(2); }},
        Ret{"BaskaBayininSiparisleri", "DEMO-TIP0", [](Istemci& i) { i->OncekiSiparisler(2); }},
        Ret{"OturumKaydiIleBaskaBayi", "DEMO-TIP0",
            [](Istemci& i) { i->StokAraGetir("fren", Istemci::Oturum(2)); }},
        Ret{"BaskaBayininSiparisDibi", "DEMO-TIP0",
            [](Istemci& i) {
                i->SiparisAytintisiDip(0, Ilk("SELECT MIN(IDNO) FROM siparisler WHERE CARINO = 2"));
            }},
        Ret{"BaskaBayininSepetSatiri", "DEMO-TIP0",
            [](Istemci& i) {
                i->SepetSecimGuncelle(Ilk("SELECT MIN(SIRANO) FROM sepet WHERE CARINO = 5"), 1);
            }},
        Ret{"BaskaBayininFaturasi", "DEMO-TIP0",
            [](Istemci& i) {
                i->FaturaAltGetir(Ilk("SELECT MIN(IDNO) FROM cari_hareketler WHERE CARINO = 2 AND BORC > 0"));
            }},
        Ret{"BaskaBayininMakbuzu", "DEMO-TIP0",
            [](Istemci& i) {
                std::int64_t boy = 0;
                i->SAnalPosPdfVer(Ilk("SELECT MIN(p.SIRANO) FROM sanalpos p JOIN cari_hareketler h "
                                      "ON h.IDNO = p.HAREKET WHERE h.CARINO <> 1"),
                                  boy);
            }},
        Ret{"TemsilciBaskasininBayisi", "DEMO-TIP1", [](Istemci& i) { i->SepetVer2(2); }},
        Ret{"Tip1BakiyeFiyati", "DEMO-TIP1",
            [](Istemci& i) {
                const auto s =
                    Ilk("SELECT MIN(l.SIRANO) FROM siparis_satirlari l JOIN siparisler o "
                        "ON o.IDNO = l.SIPARISNO WHERE o.CARINO = 1 AND l.MIKTAR > l.TESLIMEDILEN");
                i->BakiyeFiyatDegistir(Istemci::Oturum(1), 0, s, s, 1, 1, "", 10, 5);
            }},
        Ret{"BayiRapor", "DEMO-TIP0",
            [](Istemci& i) {
                std::int64_t boy = 0;
                i->RaporGetir(6, 6, 1, 1, ".", 45000, 45000, boy);
            }}),
    [](const auto& p) { return std::string(p.param.ad); });

INSTANTIATE_TEST_SUITE_P(
    KotuGirdi, Reddedilir,
    ::testing::Values(
        Ret{"SifirMiktar", "DEMO-TIP0",
            [](Istemci& i) { i->SepetEkle2(Istemci::Oturum(1), 1, 5, "", "", 0, 20, 0, 0, 0, 0, 0, 0, 0); }},
        Ret{"EksiMiktar", "DEMO-TIP0",
            [](Istemci& i) { i->SepetEkle2(Istemci::Oturum(1), 1, 5, "", "", -3, 20, 0, 0, 0, 0, 0, 0, 0); }},
        Ret{"AsiriMiktar", "DEMO-TIP0",
            [](Istemci& i) {
                i->SepetEkle2(Istemci::Oturum(1), 1, 5, "", "", 1e12, 20, 0, 0, 0, 0, 0, 0, 0);
            }},
        Ret{"SayiOlmayanMiktar", "DEMO-TIP0",
            [](Istemci& i) {
                i->SepetEkle2(Istemci::Oturum(1), 1, 5, "", "", kNaN, 20, 0, 0, 0, 0, 0, 0, 0);
            }},
        Ret{"BilinmeyenStok", "DEMO-TIP0",
            [](Istemci& i) {
                i->SepetEkle2(Istemci::Oturum(1), 1, 999999, "", "", 1, 20, 0, 0, 0, 0, 0, 0, 0);
            }},
        Ret{"TemsilciEksiFiyat", "DEMO-TIP1",
            [](Istemci& i) { i->SepetEkle2(Istemci::Oturum(1), 1, 5, "", "", 1, 20, -5, 0, 0, 0, 0, 0, 0); }},
        Ret{"BilinmeyenSepetSatiri", "DEMO-TIP0", [](Istemci& i) { i->SepetSecimGuncelle(987654, 1); }},
        Ret{"GecersizSecim", "DEMO-TIP0",
            [](Istemci& i) {
                i->SepetSecimGuncelle(Ilk("SELECT MIN(SIRANO) FROM sepet WHERE CARINO = 1"), 7);
            }},
        Ret{"BilinmeyenSiparis", "DEMO-TIP0", [](Istemci& i) { i->SiparisAytintisiDip(0, 987654); }},
        Ret{"MegabaytlikNot", "DEMO-TIP0",
            [](Istemci& i) {
                i->SiparisKaydet(Istemci::Oturum(1), 1, 1, 1, std::string(1 << 20, 'x'), 0, 1);
            }},
        Ret{"BilinmeyenKargoFirmasi", "DEMO-TIP0",
            [](Istemci& i) { i->SiparisKaydet(Istemci::Oturum(1), 1, 1, 1, "", 0, 4242); }},
        Ret{"TarihAralikDisi", "DEMO-TIP2",
            [](Istemci& i) {
                std::int64_t boy = 0;
                i->RaporGetir(7, 7, 3, 0, ".", -1e9, 1e300, boy);
            }},
        Ret{"BilinmeyenRapor", "DEMO-TIP2",
            [](Istemci& i) {
                std::int64_t boy = 0;
                i->RaporGetir(99, 99, 3, 0, ".", 45000, 45000, boy);
            }}),
    [](const auto& p) { return std::string(p.param.ad); });

TEST(Yetki, TemsilciKendiBayisiIcinCalisir) {
    Istemci i("DEMO-TIP1"); // representative 1: dealers 1, 5, 9 ...
    EXPECT_NO_THROW(i->SepetVer2(5));
    auto liste = i->CariSepetVer(Istemci::Oturum(1), 1);
    while (liste->Next())
        EXPECT_EQ((liste->GetInt32(liste->ColumnIndex("CARINO")) - 1) % 4, 0);
}

TEST(Yetki, CariAramaSecilmisCariBeklemez) {
    // Right after the login a representative has no dealer yet (CARINO 0) and searches for one.
    struct Durum {
        const char* makine;
        std::size_t cariSayisi;
    };
    for (const auto& d : {Durum{"DEMO-TIP1", 10}, Durum{"DEMO-TIP2", 40}, Durum{"DEMO-TIP0", 1}}) {
        Istemci i(d.makine);
        auto liste = i->CariAra(Istemci::Oturum(0), "");
        std::size_t n = 0;
        while (liste->Next())
            ++n;
        EXPECT_EQ(n, d.cariSayisi) << d.makine;
    }
}

TEST(KotuGirdi, ReddedilenSiparisSepetiDegistirmez) {
    Istemci i("DEMO-TIP0");
    const auto once = i->SepetVer2(1)->satirlar.size();
    EXPECT_THROW(i->SiparisKaydet(Istemci::Oturum(1), 1, 1, 1, "", 0, 4242), UzakHata);
    EXPECT_EQ(i->SepetVer2(1)->satirlar.size(), once);
}

} // namespace
} // namespace rvz::sunucu::test
