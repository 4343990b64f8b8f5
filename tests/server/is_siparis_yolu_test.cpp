// The road of an order through the real protocol: login, search, basket, order, history.
#include "akis.h"
#include "is_ortam.h"

#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-page.h>

namespace rvz::sunucu::test {
namespace {

struct GirisDurumu {
    const char* makine;
    bool varmi;
    int tip;
    const char* adi;
};

class Giris : public ::testing::TestWithParam<GirisDurumu> {};

TEST_P(Giris, MakineKaydiniVerir) {
    const auto& d = GetParam();
    Istemci i(d.makine);
    auto* s = i->BuyukGetir(d.makine);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Varmi, d.varmi);
    EXPECT_EQ(s->Version, 13);
    EXPECT_EQ(s->ADI, d.adi);
    if (d.varmi)
        EXPECT_EQ(s->MusteriTipi, d.tip);
    else
        EXPECT_TRUE(s->SIFRE.empty());
}

INSTANTIATE_TEST_SUITE_P(Makineler, Giris,
                         ::testing::Values(GirisDurumu{"DEMO-TIP0", true, 0, "BAYI"},
                                           GirisDurumu{"DEMO-TIP1", true, 1, "SATICI"},
                                           GirisDurumu{"DEMO-TIP2", true, 2, "MUDUR"},
                                           GirisDurumu{"DEMO-TIP3", true, 3, "BAYI3"},
                                           GirisDurumu{"DEMO-TIP4", true, 4, "BAYI4"},
                                           GirisDurumu{"KAYITSIZ-MAKINE", false, 0, ""}));

TEST(Giris, BaskaMakineninKaydiVerilmez) {
    Istemci i("KAYITSIZ-MAKINE");
    auto* s = i->BuyukGetir("DEMO-TIP0");
    EXPECT_FALSE(s->Varmi);
    EXPECT_TRUE(s->SIFRE.empty());
}

TEST(StokArama, KodVeAdlarBuyukKucukVeAyraclardanBagimsizBulunur) {
    Istemci i("DEMO-TIP0");
    auto b = DemoSunucu::Ornek().Depom().Al();
    const auto oem = Metin(b->Tek("SELECT OEM1 FROM stoklar WHERE OEM1 LIKE '%-%' LIMIT 1"));
    const auto stokno = b->TekSayi("SELECT STOKNO FROM stoklar WHERE OEM1 = ?", {oem});
    std::string yalin;
    for (char c : oem)
        if (c != '-')
            yalin += c;
    for (const std::string& terim : {oem, yalin, std::string("yağ filtre"), std::string("YAG FILTRESI")}) {
        auto t = i->StokAraGetir(terim, Istemci::Oturum(1));
        ASSERT_GE(t->SutunNo("IND1"), 0) << terim;
        for (auto ad : {"FIYAT", "NETFIYAT", "KDVDAHIL", "INDIRIMYAZI", "DURUM", "Y", "K", "IND4"})
            EXPECT_GE(t->SutunNo(ad), 0) << ad;
        EXPECT_FALSE(t->satirlar.empty()) << terim;
        if (terim == yalin) {
            const int c = t->SutunNo("STOK_STOKNO");
            EXPECT_TRUE(std::any_of(t->satirlar.begin(), t->satirlar.end(),
                                    [&](const auto& r) { return std::get<std::int64_t>(r[c]) == stokno; }));
        }
    }
}

TEST(StokArama, TuhafTerimlerBosSonucVerirSunucuCalismayaDevamEder) {
    Istemci i("DEMO-TIP0");
    for (const std::string& terim :
         {std::string("'; DROP TABLE stoklar; --"), std::string("\"OR\" 1=1 *"), std::string(1 << 20, 'A'),
          std::string("\x01\x02\x7f"), std::string("%_%")}) {
        auto t = i->StokAraGetir(terim, Istemci::Oturum(1));
        EXPECT_TRUE(t->satirlar.empty());
        EXPECT_GE(t->SutunNo("IND1"), 0);
    }
    EXPECT_EQ(i->EchoString("hala burada"), "hala burada");
}

TEST(Siparis, SeciliSatirlarSiparisOlurSecilmeyenlerSepetteKalir) {
    Istemci i("DEMO-TIP3"); // dealer 2
    i->SepetHepsiniSil(Istemci::Oturum(2));
    EXPECT_FALSE(i->SiparisKaydet(Istemci::Oturum(2), 2, 1, 1, "", 0, 1)) << "boş sepet";
    ASSERT_EQ(i->SepetEkle2(Istemci::Oturum(2), 2, 10, "", "", 3, 20, 0, 0, 0, 0, 0, 0, 0), 1);
    ASSERT_EQ(i->SepetEkle2(Istemci::Oturum(2), 2, 11, "", "", 2, 20, 0, 0, 0, 0, 0, 0, 0), 1);
    auto sepet = i->SepetVer2(2);
    ASSERT_EQ(sepet->satirlar.size(), 2u);
    const int sira = sepet->SutunNo("SIRANO"), sec = sepet->SutunNo("SEC");
    const auto birinci = static_cast<std::int32_t>(std::get<std::int64_t>(sepet->satirlar[0][sira]));
    const auto ikinci = static_cast<std::int32_t>(std::get<std::int64_t>(sepet->satirlar[1][sira]));
    i->SepetSecimGuncelle(birinci, 1);
    i->SepetSecimGuncelle(ikinci, 0);
    EXPECT_EQ(std::get<std::int64_t>(i->SepetVer2(2)->satirlar[1][sec]), 0);

    ASSERT_TRUE(i->SiparisKaydet(Istemci::Oturum(2), 2, 1, 1, "Acil", 0, 1));
    auto kalan = i->SepetVer2(2);
    ASSERT_EQ(kalan->satirlar.size(), 1u);
    EXPECT_EQ(std::get<std::int64_t>(kalan->satirlar[0][sira]), ikinci);
    EXPECT_FALSE(i->SiparisKaydet(Istemci::Oturum(2), 2, 1, 1, "", 0, 1)) << "seçili satır yok";

    auto onceki = i->OncekiSiparisler(2);
    ASSERT_TRUE(onceki->Next());
    const auto idno = onceki->GetInt32(onceki->ColumnIndex("IDNO"));
    EXPECT_EQ(onceki->GetWideString(onceki->ColumnIndex("DURUM")), "Alındı");
    auto satirlar = i->SiparisAyrintisi2(2, idno);
    int n = 0;
    while (satirlar->Next()) {
        ++n;
        EXPECT_EQ(satirlar->GetDouble(satirlar->ColumnIndex("MIKTAR")), 3);
    }
    EXPECT_EQ(n, 1);
    auto* dip = i->SiparisAytintisiDip(0, idno);
    ASSERT_NE(dip, nullptr);
    EXPECT_EQ(dip->SizinMesaj, "Acil");
}

TEST(Sepet, AyniKalemIkiIstemcidenAyniAndaEklenenceIkisiDeKaydedilir) {
    {
        Istemci i("DEMO-TIP4"); // dealer 3
        i->SepetHepsiniSil(Istemci::Oturum(3));
    }
    constexpr int kTur = 20;
    auto ekle = [] {
        Istemci i("DEMO-TIP4");
        for (int k = 0; k < kTur; ++k)
            ASSERT_EQ(i->SepetEkle2(Istemci::Oturum(3), 3, 7, "", "", 1, 20, 0, 0, 0, 0, 0, 0, 0), 1);
    };
    std::thread a(ekle), b(ekle);
    a.join();
    b.join();
    Istemci i("DEMO-TIP4");
    auto sepet = i->SepetVer2(3);
    ASSERT_EQ(sepet->satirlar.size(), 1u);
    EXPECT_EQ(std::get<double>(sepet->satirlar[0][sepet->SutunNo("MIKTAR")]), 2 * kTur);
}

std::string PdfMetni(const std::string& baytlar) {
    std::unique_ptr<poppler::document> d(
        poppler::document::load_from_raw_data(baytlar.data(), static_cast<int>(baytlar.size())));
    if (!d)
        return {};
    std::string metin;
    for (int p = 0; p < d->pages(); ++p) {
        std::unique_ptr<poppler::page> sayfa(d->create_page(p));
        auto b = sayfa->text().to_utf8();
        metin.append(b.begin(), b.end());
    }
    return metin;
}

TEST(Belgeler, RaporVeMakbuzDuyurulanBoydaVeTurkceMetinliPdf) {
    Istemci i("DEMO-TIP2");
    std::int64_t boy = 0;
    auto* akis = i->RaporGetir(6, 6, 3, 0, ".", OleTarih(2025, 6, 1), OleTarih(2025, 6, 1), boy);
    auto pdf = AkisOku(akis, boy);
    ASSERT_TRUE(pdf.has_value());
    EXPECT_NE(PdfMetni(*pdf).find("Cari Toplu Alacak Vadeleri"), std::string::npos);

    auto b = DemoSunucu::Ornek().Depom().Al();
    const auto pos = static_cast<std::int32_t>(b->TekSayi("SELECT SIRANO FROM sanalpos LIMIT 1"));
    const auto hareket = static_cast<std::int32_t>(b->TekSayi("SELECT HAREKET FROM sanalpos LIMIT 1"));
    EXPECT_EQ(i->SanalposSiranoVer(hareket), pos);
    auto* makbuzAkisi = i->SAnalPosPdfVer(pos, boy);
    auto makbuz = AkisOku(makbuzAkisi, boy);
    ASSERT_TRUE(makbuz.has_value());
    EXPECT_NE(PdfMetni(*makbuz).find("Ödenen Tutar"), std::string::npos);
}

TEST(Belgeler, EkstreVeTahsilatSutunlari) {
    Istemci i("DEMO-TIP0");
    auto ekstre = i->CariEkstreVer(1);
    for (auto ad : {"BAKIYE", "D", "TURADI", "BORC", "ALACAK", "IDNO"})
        EXPECT_GE(ekstre->ColumnIndex(ad), 0) << ad;
    auto b = DemoSunucu::Ornek().Depom().Al();
    const auto tahsilat = static_cast<std::int32_t>(
        b->TekSayi("SELECT IDNO FROM cari_hareketler WHERE CARINO = 1 AND TURADI = 'Tahsilat' LIMIT 1"));
    auto t = i->Tahsilat(tahsilat);
    for (auto ad : {"Tarih", "Türü", "Cins", "EvrakNo", "Vade", "Tutar", "Kur", "KurTL", "Açıklama",
                    "Döviz Tutar", "Ref", "Saat"})
        EXPECT_GE(t->ColumnIndex(ad), 0) << ad;
    // Delivery and cargo types are read by position: a 32-bit identifier, an 8-bit name.
    for (auto* okuyucu : {i->TeslimVer(), i->KargoVer()}) {
        ASSERT_TRUE(okuyucu->Next());
        EXPECT_GT(okuyucu->GetInt32(0), 0);
        EXPECT_FALSE(okuyucu->GetAnsiString(1).empty());
    }
}

} // namespace
} // namespace rvz::sunucu::test
