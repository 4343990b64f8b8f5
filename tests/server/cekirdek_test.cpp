// The server core over real loopback connections: every value kind through the whole
// protocol, and hostile or broken input that must not hurt the server or its other clients.
#include "akis.h"
#include "gunluk.h"
#include "proxim.h"
#include "sunucu.h"
#include "tcp_baglanti.h"
#include "temel_yontemler.h"

#include "her_turden_tablo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace rvz;
using namespace rvz::sunucu;
using namespace std::chrono_literals;

namespace {

using test::HerTurdenTablo;

// A test double of the business: one member of every result kind.
Dagitici TestDagiticisi() {
    Dagitici d;
    TemelYontemleriKaydet(d);
    d.Kaydet("SepetVer2", [](const CagriBaglami&, Konumlar& k) { k.Sonuc(Deger::Paket(HerTurdenTablo())); });
    d.Kaydet("TeslimVer", [](const CagriBaglami&, Konumlar& k) {
        Tablo t;
        t.SutunEkle("ID", SutunTuru::Integer);
        t.SutunEkle("ADI", SutunTuru::AnsiText);
        t.satirlar.push_back({std::int64_t{1}, std::string("ADRESE TESLİM")});
        k.Sonuc(Deger::Okuyucu(std::move(t)));
    });
    d.Kaydet("SAnalPosPdfVer", [](const CagriBaglami&, Konumlar& k) {
        std::string pdf(static_cast<std::size_t>(k.Int(0)), 'p');
        k.Ata(1, Deger::Int64(static_cast<std::int64_t>(pdf.size())));
        k.Sonuc(Deger::Akis(std::move(pdf)));
    });
    d.Kaydet("CarileriVer",
             [](const CagriBaglami&, Konumlar& k) { k.Sonuc(Deger::Json(R"([{"CARINO":1}])")); });
    d.Kaydet("BuyukGetir", [](const CagriBaglami& b, Konumlar& k) {
        TSonucBilgisi s;
        s.BILGISAYARID = k.Metin(0);
        s.ADI = b.makineId;
        s.Varmi = true;
        s.Version = 13;
        k.Sonuc(Deger::Kayit(KayitJsonMetni(s)));
    });
    d.Kaydet("KurlariAl", [](const CagriBaglami&, Konumlar& k) {
        k.Ata(0, Deger::Double(32.5));
        k.Ata(1, Deger::Double(35.25));
        k.Sonuc(Deger::Integer(1));
    });
    d.Kaydet("SiparisKaydet", [](const CagriBaglami&, Konumlar& k) {
        auto bb = KayitCoz(k.KayitMetni(0), TSonucBilgisi::kSinif);
        const auto& s = static_cast<const TSonucBilgisi&>(*bb);
        k.Sonuc(Deger::Boolean(s.CARINO == k.Int(1) && k.Metin(4) == "not"));
    });
    d.Kaydet("MobilStokaraAdimli", [](const CagriBaglami&, Konumlar& k) {
        TMobilStoklar l;
        l.Items.push_back(std::make_unique<TMobilStok>());
        l.Items.back()->Adi = k.Metin(0);
        k.Ata(6, Deger::Boolean(true));
        k.Ata(7, Deger::Integer(1));
        k.Sonuc(Deger::Kayit(KayitJsonMetni(l)));
    });
    d.Kaydet("SepetSecimGuncelle", [](const CagriBaglami&, Konumlar&) {});
    d.Kaydet("SepetSayisi", [](const CagriBaglami&, Konumlar& k) { k.Sonuc(Deger::String("yanlış tür")); });
    d.Kaydet("KayanYaziGetir",
             [](const CagriBaglami&, Konumlar&) { throw IsHatasi("Haber satırı okunamadı"); });
    return d;
}

class SunucuCekirdegi : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GunlukSessiz(true); }

    void SetUp() override { Baslat({}); }

    void Baslat(SunucuAyarlari a) {
        sunucu_.reset();
        a.dinle = "127.0.0.1";
        a.port = 0;
        a.isParcacigi = 4;
        sunucu_ = std::make_unique<Sunucu>(a, dagitici_);
        sunucu_->Baslat();
    }

    std::unique_ptr<TTcpBaglanti> Baglanti(std::string makine = "TEST-MAKINE") {
        BaglantiAyarlari a;
        a.port = sunucu_->Port();
        a.makineId = std::move(makine);
        a.okumaSuresi = 10s;
        auto b = std::make_unique<TTcpBaglanti>(a);
        b->Ac();
        return b;
    }

    // The server still answers a normal client.
    void HalaCalisiyor() {
        auto b = Baglanti();
        TServerMethods1Client c(b.get());
        EXPECT_EQ(c.EchoString("merhaba"), "merhaba");
    }

    Dagitici dagitici_ = TestDagiticisi();
    std::unique_ptr<Sunucu> sunucu_;
};

TEST_F(SunucuCekirdegi, EveryValueKindCrossesTheRealProtocol) {
    auto b = Baglanti("DEMO-TIP0");
    TServerMethods1Client c(b.get());

    EXPECT_EQ(c.ReverseString("Çağrı"), "ırğaÇ");

    auto paket = c.SepetVer2(1);
    ASSERT_TRUE(paket);
    EXPECT_EQ(*paket, HerTurdenTablo());

    auto* okuyucu = c.TeslimVer();
    ASSERT_TRUE(okuyucu->Next());
    EXPECT_EQ(okuyucu->GetInt32(0), 1);
    EXPECT_EQ(okuyucu->GetAnsiString(1), "ADRESE TESLİM");

    std::int64_t boy = 0;
    auto* akis = c.SAnalPosPdfVer(1500, boy);
    EXPECT_EQ(boy, 1500);
    auto baytlar = AkisOku(akis, boy);
    ASSERT_TRUE(baytlar);
    EXPECT_EQ(baytlar->size(), 1500u);

    auto* json = c.CarileriVer();
    ASSERT_NE(json, nullptr);
    EXPECT_EQ(json->Deger()[0]["CARINO"], 1);

    auto* kayit = c.BuyukGetir("ABC123");
    ASSERT_NE(kayit, nullptr);
    EXPECT_EQ(kayit->BILGISAYARID, "ABC123");
    EXPECT_EQ(kayit->ADI, "DEMO-TIP0"); // the hello's machine identifier reaches the business
    EXPECT_TRUE(kayit->Varmi);

    double usd = 0, eur = 0;
    EXPECT_EQ(c.KurlariAl(usd, eur), 1);
    EXPECT_EQ(usd, 32.5);
    EXPECT_EQ(eur, 35.25);

    auto* bb = new TSonucBilgisi;
    bb->CARINO = 7;
    EXPECT_TRUE(c.SiparisKaydet(bb, 7, 1, 1, "not", 1, 1));

    bool kalan = false;
    std::int32_t toplam = 0;
    auto* liste = c.MobilStokaraAdimli("FİLTRE", new TSonucBilgisi, 0, 10, 0, 10, kalan, toplam);
    ASSERT_NE(liste, nullptr);
    ASSERT_EQ(liste->Items.size(), 1u);
    EXPECT_EQ(liste->Items[0]->Adi, "FİLTRE");
    EXPECT_TRUE(kalan);
    EXPECT_EQ(toplam, 1);

    c.SepetSecimGuncelle(1, 1); // no result at all
}

TEST_F(SunucuCekirdegi, ErrorsComeBackAsTheirTextAndTheConnectionGoesOn) {
    auto b = Baglanti();
    TServerMethods1Client c(b.get());
    struct Durum {
        const char* ad;
        std::function<void()> cagri;
        const char* metin;
    };
    const std::vector<Durum> durumlar = {
        {"iş hatası", [&] { c.KayanYaziGetir(); }, "Haber satırı okunamadı"},
        {"uygulanmamış", [&] { c.DosyaListesi(); }, "not implemented"},
        {"sunucunun yanlış cevabı", [&] { c.SepetSayisi(nullptr); }, "Sunucu iç hatası"},
    };
    for (const auto& d : durumlar) {
        try {
            d.cagri();
            ADD_FAILURE() << d.ad;
        } catch (const UzakHata& e) {
            EXPECT_NE(std::string(e.what()).find(d.metin), std::string::npos) << d.ad << ": " << e.what();
        }
        EXPECT_EQ(c.EchoString("sonra"), "sonra") << d.ad;
    }
}

// Raw sockets: what a broken or hostile client can do.
class HamIstemci {
public:
    explicit HamIstemci(std::uint16_t port) {
        soket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(soket_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            throw std::runtime_error("bağlanılamadı");
    }
    ~HamIstemci() { ::close(soket_); }

    void Gonder(std::string_view s) { ::send(soket_, s.data(), s.size(), MSG_NOSIGNAL); }

    // Reads until the server closes or `sure` passes; true when it closed.
    bool KapanaKadarOku(std::string& gelen, std::chrono::milliseconds sure = 5s) {
        const auto son = std::chrono::steady_clock::now() + sure;
        char t[4096];
        while (std::chrono::steady_clock::now() < son) {
            pollfd p{soket_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const auto n = ::recv(soket_, t, sizeof t, 0);
            if (n <= 0)
                return true;
            gelen.append(t, static_cast<std::size_t>(n));
        }
        return false;
    }

    // One whole frame's payload (empty when the server closed first).
    std::string CerceveOku() {
        CerceveAyirici a;
        std::string govde;
        char t[4096];
        while (a.Sonraki(govde) != CerceveAyirici::Durum::Tamam) {
            pollfd p{soket_, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0)
                return {};
            const auto n = ::recv(soket_, t, std::min(sizeof t, a.Gereken()), 0);
            if (n <= 0)
                return {};
            a.Ekle(std::string_view(t, static_cast<std::size_t>(n)));
        }
        return govde;
    }

private:
    int soket_;
};

std::string IlkHataMetni(const std::string& gelen) {
    CerceveAyirici a;
    a.Ekle(gelen);
    std::string govde;
    while (a.Sonraki(govde) == CerceveAyirici::Durum::Tamam) {
        auto c = MesajTuruOku(govde) == MesajTuru::Hata ? CevapCoz(govde) : Cevap{};
        if (c.hata)
            return c.hataMetni;
    }
    return {};
}

std::string Uzunluk(std::uint32_t n) {
    std::string s(4, '\0');
    std::memcpy(s.data(), &n, 4);
    return s;
}

TEST_F(SunucuCekirdegi, CallsThatDoNotFitTheCatalogueAreRefused) {
    const auto echo = UyeBul("EchoString")->TamAd();
    const auto resim = UyeBul("ResimVer5")->TamAd();
    const auto kaydet = UyeBul("SiparisKaydet")->TamAd();
    struct Durum {
        const char* ad;
        Cagri cagri;
        const char* metin;
    };
    const std::vector<Durum> durumlar = {
        {"bilinmeyen", {"TServerMethods1.Yok", {}}, "Bilinmeyen uzak yöntem"},
        {"sınıf öneki yok", {"EchoString", {Deger::String("x"), Deger::Bos()}}, "Bilinmeyen uzak yöntem"},
        {"eksik", {echo, {Deger::String("x")}}, "değer bekleniyor"},
        {"fazla", {echo, {Deger::String("x"), Deger::Bos(), Deger::Bos()}}, "değer bekleniyor"},
        {"yanlış tür", {echo, {Deger::Integer(1), Deger::Bos()}}, "string olmalı"},
        {"boş girdi", {echo, {Deger::Bos(), Deger::Bos()}}, "boş olamaz"},
        {"dolu çıktı", {resim, {Deger::Integer(1), Deger::Int64(5), Deger::Bos()}}, "çıktı"},
        {"bozuk kayıt",
         {kaydet,
          {Deger::Kayit("{"), Deger::Integer(1), Deger::Integer(1), Deger::Integer(1), Deger::String(""),
           Deger::Integer(1), Deger::Integer(1), Deger::Bos()}},
         "kaydı okunamadı"},
        {"başka sınıf kayıt",
         {kaydet,
          {Deger::Kayit(KayitJsonMetni(TTusSonuclari{})), Deger::Integer(1), Deger::Integer(1),
           Deger::Integer(1), Deger::String(""), Deger::Integer(1), Deger::Integer(1), Deger::Bos()}},
         "kaydı okunamadı"},
    };
    // One connection for all: a refused call leaves it usable.
    HamIstemci h(sunucu_->Port());
    h.Gonder(MerhabaKodla({kProtokolSurumu, "HAM"}));
    ASSERT_EQ(MesajTuruOku(h.CerceveOku()), MesajTuru::MerhabaCevap);
    for (const auto& d : durumlar) {
        h.Gonder(CagriKodla(d.cagri));
        const auto cevap = CevapCoz(h.CerceveOku());
        EXPECT_TRUE(cevap.hata) << d.ad;
        EXPECT_NE(cevap.hataMetni.find(d.metin), std::string::npos) << d.ad << ": " << cevap.hataMetni;
    }
    h.Gonder(CagriKodla({echo, {Deger::String("yine"), Deger::Bos()}}));
    EXPECT_EQ(CevapCoz(h.CerceveOku()).degerler.at(1).metin, "yine");
}

TEST_F(SunucuCekirdegi, BrokenInputGetsAnErrorAndAClosedConnection) {
    const auto merhaba = MerhabaKodla({kProtokolSurumu, "KOTU"});
    struct Durum {
        const char* ad;
        std::string gonderilen;
        const char* metin;
    };
    const std::vector<Durum> durumlar = {
        {"selamlaşmasız çağrı", CagriKodla({"TServerMethods1.EchoString", {Deger::String("x")}}),
         "selamlaşma"},
        {"bozuk selamlaşma", Uzunluk(5) + "HXXXX", "bozuk ileti"},
        {"eski protokol", Uzunluk(11) + "HRVZP" + std::string("\x09\x00\x00\x00\x00\x00", 6),
         "protokol sürümü"},
        {"çok büyük çerçeve", merhaba + Uzunluk(0x7FFFFFFF), "çok büyük"},
        {"boş çerçeve", merhaba + Uzunluk(0), "boş çerçeve"},
        {"bozuk çağrı", merhaba + Uzunluk(3) + std::string("C\x01\x00", 3), "bozuk ileti"},
        {"bilinmeyen ileti", merhaba + Uzunluk(1) + "Z", "çağrı bekleniyor"},
    };
    for (const auto& d : durumlar) {
        HamIstemci h(sunucu_->Port());
        h.Gonder(d.gonderilen);
        std::string gelen;
        EXPECT_TRUE(h.KapanaKadarOku(gelen)) << d.ad;
        EXPECT_NE(IlkHataMetni(gelen).find(d.metin), std::string::npos)
            << d.ad << ": " << IlkHataMetni(gelen);
    }
    HalaCalisiyor();
}

TEST_F(SunucuCekirdegi, SilentAndHalfSentClientsAreDroppedAfterTheIdleTimeout) {
    SunucuAyarlari a;
    a.bosSure = 200ms;
    Baslat(a);
    HamIstemci sessiz(sunucu_->Port());
    HamIstemci yarim(sunucu_->Port());
    yarim.Gonder(MerhabaKodla({kProtokolSurumu, "YARIM"}) + Uzunluk(100) + "C\x01");
    std::string gelen;
    EXPECT_TRUE(sessiz.KapanaKadarOku(gelen));
    EXPECT_TRUE(yarim.KapanaKadarOku(gelen));
    HalaCalisiyor();
}

TEST_F(SunucuCekirdegi, ClientThatVanishesMidFrameLeavesTheServerServing) {
    {
        HamIstemci h(sunucu_->Port());
        h.Gonder(MerhabaKodla({kProtokolSurumu, "GIDEN"}) + Uzunluk(1000) + "C\x00\x00");
    }
    HalaCalisiyor();
}

TEST_F(SunucuCekirdegi, ConnectionsBeyondTheCapAreTurnedAway) {
    SunucuAyarlari a;
    a.enCokBaglanti = 2;
    Baslat(a);
    auto b1 = Baglanti();
    auto b2 = Baglanti();
    try {
        Baglanti();
        ADD_FAILURE() << "üçüncü bağlantı kabul edildi";
    } catch (const UzakHata& e) {
        EXPECT_NE(std::string(e.what()).find("meşgul"), std::string::npos) << e.what();
    }
    b1.reset();
    // The freed place is taken again once the server has seen the close.
    bool kabul = false;
    for (int i = 0; i < 200 && !kabul; ++i) {
        try {
            Baglanti();
            kabul = true;
        } catch (const UzakHata&) {
            std::this_thread::sleep_for(10ms);
        }
    }
    EXPECT_TRUE(kabul);
}

TEST_F(SunucuCekirdegi, ManyParallelShortConnectionsAllGetTheirAnswer) {
    std::atomic<int> dogru{0};
    std::vector<std::thread> isler;
    for (int t = 0; t < 8; ++t)
        isler.emplace_back([&, t] {
            for (int i = 0; i < 25; ++i) {
                auto b = Baglanti();
                TServerMethods1Client c(b.get());
                const auto m = std::to_string(t) + "-" + std::to_string(i);
                if (c.EchoString(m) == m)
                    ++dogru;
            }
        });
    for (auto& i : isler)
        i.join();
    EXPECT_EQ(dogru, 200);
}

TEST(Tersten, KeepsMultiByteLettersWhole) {
    const std::vector<std::pair<std::string, std::string>> durumlar = {
        {"", ""}, {"abc", "cba"}, {"Çağrı", "ırğaÇ"}, {"€1", "1€"}, {"a😀b", "b😀a"}};
    for (const auto& [girdi, beklenen] : durumlar)
        EXPECT_EQ(Tersten(girdi), beklenen) << girdi;
}

} // namespace
