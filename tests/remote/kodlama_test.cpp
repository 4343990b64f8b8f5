#include "kodlama.h"

#include "her_turden_tablo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace rvz;

namespace {

using test::HerTurdenTablo;

TEST(Kodlama, EveryValueKindSurvivesARoundTrip) {
    const Degerler degerler = {
        Deger::Bos(),
        Deger::Integer(-5),
        Deger::Int64(std::numeric_limits<std::int64_t>::max()),
        Deger::Double(-0.125),
        Deger::Boolean(true),
        Deger::String(""),
        Deger::String("Şirket \"ünvanı\"\n"),
        Deger::Paket(HerTurdenTablo()),
        Deger::Okuyucu(Tablo{}),
        Deger::Akis(std::string(3000, '\0')),
        Deger::Json("[1,\"iki\"]"),
        Deger::Kayit(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})"),
    };
    const auto cerceve = CevapKodla(degerler);
    CerceveAyirici a;
    a.Ekle(cerceve);
    std::string govde;
    ASSERT_EQ(a.Sonraki(govde), CerceveAyirici::Durum::Tamam);
    const auto cevap = CevapCoz(govde);
    ASSERT_FALSE(cevap.hata);
    ASSERT_EQ(cevap.degerler.size(), degerler.size());
    for (std::size_t i = 0; i < degerler.size(); ++i) {
        const auto& g = cevap.degerler[i];
        const auto& b = degerler[i];
        EXPECT_EQ(g.tur, b.tur) << i;
        EXPECT_EQ(g.tam, b.tam) << i;
        EXPECT_EQ(g.ondalik, b.ondalik) << i;
        EXPECT_EQ(g.metin, b.metin) << i;
        if (b.tablo) {
            EXPECT_EQ(*g.tablo, *b.tablo) << i;
        }
    }
}

TEST(Kodlama, CallAndHelloRoundTrip) {
    const auto c = CagriKodla({"TServerMethods1.EchoString", {Deger::String("merhaba")}});
    const auto m = MerhabaKodla({kProtokolSurumu, "DEMO-TIP0"});
    CerceveAyirici a;
    a.Ekle(m + c);
    std::string govde;
    ASSERT_EQ(a.Sonraki(govde), CerceveAyirici::Durum::Tamam);
    EXPECT_EQ(MerhabaCoz(govde).makineId, "DEMO-TIP0");
    ASSERT_EQ(a.Sonraki(govde), CerceveAyirici::Durum::Tamam);
    const auto cagri = CagriCoz(govde);
    EXPECT_EQ(cagri.yontem, "TServerMethods1.EchoString");
    EXPECT_EQ(cagri.degerler.at(0).metin, "merhaba");
    EXPECT_EQ(a.Sonraki(govde), CerceveAyirici::Durum::DahaFazla);
}

TEST(CerceveAyirici, FrameArrivingByteByByteIsReassembled) {
    const auto cerceve = HataKodla("yavaş");
    CerceveAyirici a;
    std::string govde;
    for (std::size_t i = 0; i + 1 < cerceve.size(); ++i) {
        a.Ekle(cerceve.substr(i, 1));
        ASSERT_EQ(a.Sonraki(govde), CerceveAyirici::Durum::DahaFazla);
        EXPECT_GE(a.Gereken(), 1u);
    }
    a.Ekle(cerceve.substr(cerceve.size() - 1));
    ASSERT_EQ(a.Sonraki(govde), CerceveAyirici::Durum::Tamam);
    EXPECT_EQ(CevapCoz(govde).hataMetni, "yavaş");
}

TEST(CerceveAyirici, RefusesOversizedAndEmptyFramesBeforeReadingThem) {
    struct Durum {
        std::uint32_t uzunluk;
        const char* ad;
    };
    for (const auto& d : {Durum{0, "boş"}, Durum{1025, "büyük"}, Durum{0xFFFFFFFF, "dev"}}) {
        CerceveAyirici a(1024);
        std::string baslik(4, '\0');
        std::memcpy(baslik.data(), &d.uzunluk, 4);
        a.Ekle(baslik);
        std::string govde;
        EXPECT_EQ(a.Sonraki(govde), CerceveAyirici::Durum::Bozuk) << d.ad;
        EXPECT_FALSE(a.Hata().empty()) << d.ad;
    }
}

// Payloads that break the format in every place a reader could trust a length.
TEST(Kodlama, MalformedPayloadsRaiseAndNeverCrash) {
    auto govdesi = [](std::string cerceve) { return cerceve.substr(kCerceveBasligi); };
    const auto iyiCagri = govdesi(CagriKodla({"TServerMethods1.X", {Deger::Paket(HerTurdenTablo())}}));
    std::vector<std::pair<std::string, std::string>> durumlar = {
        {"boş", ""},
        {"tür yok", "C"},
        {"yöntem adı uzun", std::string("C\xff\xff\xff\x7f", 5)},
        {"değer sayısı çok", std::string("C\x00\x00\x00\x00\xff\xff", 7)},
        {"bilinmeyen değer türü", std::string("C\x00\x00\x00\x00\x01\x00\x63", 8)},
        {"Boolean 2", std::string("C\x00\x00\x00\x00\x01\x00\x04\x02", 9)},
        {"akış uzunluğu çok",
         std::string("C\x00\x00\x00\x00\x01\x00\x08\xff\xff\xff\xff\xff\xff\xff\x7f", 16)},
        {"tablo sütunu çok", std::string("C\x00\x00\x00\x00\x01\x00\x06\xff\xff\xff\xff", 12)},
        {"tablo satırı çok", std::string("C\x00\x00\x00\x00\x01\x00\x06\x01\x00\x00\x00\x01\x00\x00\x00X\x01"
                                         "\xff\xff\xff\xff",
                                         22)},
        {"sütun türü 99",
         std::string("C\x00\x00\x00\x00\x01\x00\x06\x01\x00\x00\x00\x01\x00\x00\x00X\x63", 18)},
        {"fazla bayt", iyiCagri + "!"},
    };
    // Every truncation of a valid call.
    for (std::size_t n = 1; n < iyiCagri.size(); n += 7)
        durumlar.emplace_back("kesik " + std::to_string(n), iyiCagri.substr(0, n));
    for (const auto& [ad, govde] : durumlar)
        EXPECT_THROW(CagriCoz(govde), ProtokolHatasi) << ad;
    EXPECT_NO_THROW(CagriCoz(iyiCagri));
}

} // namespace
