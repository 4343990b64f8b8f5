// The remote-method client against a scripted connection: wire positions, command reuse,
// ownership of arguments and results, and replies that do not fit.
#include "proxim.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace rvz;

namespace {

// Answers every call through a script and remembers what was sent.
class SahteBaglanti : public TDBXConnection {
public:
    struct Gonderilen {
        std::string uye;
        Degerler girdiler;
    };
    std::vector<Gonderilen> gonderilenler;
    std::function<Degerler(const Uye&, const Degerler&)> cevapla = [](const Uye& uye, const Degerler&) {
        return VarsayilanCevap(uye);
    };

    Degerler Yurut(const Uye& uye, const Degerler& girdiler) override {
        gonderilenler.push_back({std::string(uye.ad), girdiler});
        return cevapla(uye, girdiler);
    }

    // A value of the declared kind for every out position and the result.
    static Degerler VarsayilanCevap(const Uye& uye) {
        Degerler d(static_cast<std::size_t>(uye.KonumSayisi()));
        for (int i = 0; i < uye.KonumSayisi(); ++i) {
            const auto p = uye.Konum(i);
            if (p.yon != Yon::Cikti)
                continue;
            auto& v = d[static_cast<std::size_t>(i)];
            switch (p.tur) {
            case DegerTuru::Integer:
                v = Deger::Integer(i);
                break;
            case DegerTuru::Int64:
                v = Deger::Int64(i);
                break;
            case DegerTuru::Double:
                v = Deger::Double(i + 0.5);
                break;
            case DegerTuru::Boolean:
                v = Deger::Boolean(true);
                break;
            case DegerTuru::String:
                v = Deger::String("k" + std::to_string(i));
                break;
            case DegerTuru::VeriPaketi:
                v = Deger::Paket({});
                break;
            case DegerTuru::TabloOkuyucu:
                v = Deger::Okuyucu({});
                break;
            case DegerTuru::Akis:
                v = Deger::Akis("abc");
                break;
            case DegerTuru::JsonDizi:
                v = Deger::Json("[1,2]");
                break;
            case DegerTuru::Kayit:
                v = Deger::Kayit(KayitJsonMetni(*KayitOlustur(p.sinif)));
                break;
            default:
                break;
            }
        }
        return d;
    }
};

// A session record that reports its own release.
class IzlenenBilgi : public TSonucBilgisi {
public:
    explicit IzlenenBilgi(bool& silindi) : silindi_(silindi) {}
    ~IzlenenBilgi() override { silindi_ = true; }

private:
    bool& silindi_;
};

TEST(TServerMethods1Client, RefusesToBeMadeWithoutAConnection) {
    try {
        TServerMethods1Client istemci(nullptr);
        FAIL();
    } catch (const UzakHata& e) {
        EXPECT_STREQ(e.what(), "Connection cannot be nil.  Make sure the connection has been opened.");
    }
}

TEST(TServerMethods1Client, OutParametersAndResultAreReadByPosition) {
    SahteBaglanti b;
    TServerMethods1Client c(&b);

    std::int32_t sepet = -1, yeni = -1, kamp = -1, duyuru = -1, bakiye = -1, dosya = -1;
    EXPECT_EQ(c.BalonGetir2(7, sepet, yeni, kamp, duyuru, bakiye, dosya), 7);
    EXPECT_EQ(std::vector<int>({sepet, yeni, kamp, duyuru, bakiye, dosya}),
              std::vector<int>({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(b.gonderilenler.back().girdiler[0].tam, 7);

    bool kalan = false;
    std::int32_t toplam = 0;
    auto* liste = c.MobilStokaraAdimli("FREN", new TSonucBilgisi, 1, 2, 3, 4, kalan, toplam);
    EXPECT_TRUE(kalan);
    EXPECT_EQ(toplam, 7);
    ASSERT_NE(liste, nullptr);
    const auto& gonderilen = b.gonderilenler.back().girdiler;
    EXPECT_EQ(gonderilen[5].tam, 4);
    EXPECT_TRUE(gonderilen[6].IsNull());

    std::int64_t boyut = 0;
    std::string adi;
    auto* bilgi = new TSonucBilgisi;
    bilgi->ADI = "BAYI";
    auto* akis = c.BelgeIndir2(9, boyut, adi, bilgi);
    EXPECT_EQ(boyut, 1);
    EXPECT_EQ(adi, "k2");
    ASSERT_NE(akis, nullptr);
    const auto& belge = b.gonderilenler.back().girdiler;
    EXPECT_EQ(belge[0].tam, 9);
    EXPECT_EQ(belge[3].tur, DegerTuru::Kayit);
    EXPECT_NE(belge[3].metin.find("\"FADI\":\"BAYI\""), std::string::npos);

    double usd = 0, eur = 0;
    EXPECT_EQ(c.KurlariAl(usd, eur), 2);
    EXPECT_EQ(usd, 0.5);
    EXPECT_EQ(eur, 1.5);
}

TEST(TServerMethods1Client, MethodWithoutParametersReadsItsResultAtZero) {
    SahteBaglanti b;
    b.cevapla = [](const Uye& uye, const Degerler&) {
        Tablo t;
        t.SutunEkle("BASLIK", SutunTuru::WideText);
        t.satirlar.push_back({std::string("Duyuru")});
        Degerler d(static_cast<std::size_t>(uye.KonumSayisi()));
        d[0] = Deger::Okuyucu(t);
        return d;
    };
    TServerMethods1Client c(&b);
    auto* okuyucu = c.DuyuruVer();
    ASSERT_TRUE(okuyucu->Next());
    EXPECT_EQ(okuyucu->GetWideString(0), "Duyuru");
    EXPECT_FALSE(okuyucu->Next());
}

TEST(TServerMethods1Client, CommandIsPreparedOnceAndReusedOnTheSameClient) {
    SahteBaglanti b;
    TServerMethods1Client c(&b);
    EXPECT_EQ(c.Komut("SepetVer"), nullptr);
    auto* ilk = c.SepetVer(1);
    auto* komut = c.Komut("SepetVer");
    ASSERT_NE(komut, nullptr);
    auto* ikinci = c.SepetVer(2);
    EXPECT_EQ(c.Komut("SepetVer"), komut);
    EXPECT_EQ(komut->CalistirmaSayisi(), 2);
    EXPECT_NE(ilk, nullptr);
    EXPECT_NE(ikinci, nullptr);
    EXPECT_EQ(komut->Text, "TServerMethods1.SepetVer");
    EXPECT_EQ(komut->CommandType, "DataSnap.ServerMethod");
}

TEST(TServerMethods1Client, SecondCallReleasesTheFirstRecordResult) {
    SahteBaglanti b;
    TServerMethods1Client c(&b);
    // The record result of the first call is registered with the command and released by
    // the next execution; the new result is a different, live object.
    auto* ilk = c.TusSonuclariVer(new TSonucBilgisi);
    ASSERT_NE(ilk, nullptr);
    ilk->Alindi = 5;
    auto* ikinci = c.TusSonuclariVer(new TSonucBilgisi);
    ASSERT_NE(ikinci, nullptr);
    EXPECT_EQ(ikinci->Alindi, 0);
}

TEST(TServerMethods1Client, NullRecordArgumentStillCalls) {
    SahteBaglanti b;
    TServerMethods1Client c(&b);
    c.SepetHepsiniSil(nullptr);
    ASSERT_EQ(b.gonderilenler.size(), 1u);
    EXPECT_TRUE(b.gonderilenler[0].girdiler[0].IsNull());
}

TEST(TServerMethods1Client, RecordArgumentIsConsumedAndTheSessionRecordUntouched) {
    SahteBaglanti b;
    TSonucBilgisi oturum;
    oturum.ADI = "BAYI";
    oturum.CARINO = 12;

    bool silindi = false;
    auto* kopya = new IzlenenBilgi(silindi);
    kopya->Kopyala(oturum);
    {
        TServerMethods1Client c(&b);
        c.SepetSayisi(kopya);
        EXPECT_TRUE(silindi);
    }
    EXPECT_EQ(oturum.ADI, "BAYI");
    EXPECT_EQ(oturum.CARINO, 12);
}

TEST(TServerMethods1Client, WithoutInstanceOwnershipEverythingStaysWithTheCaller) {
    SahteBaglanti b;
    bool silindi = false;
    auto kopya = std::make_unique<IzlenenBilgi>(silindi);
    std::unique_ptr<TTusSonuclari> sonuc;
    std::unique_ptr<TDBXReader> okuyucu;
    {
        TServerMethods1Client c(&b, false);
        sonuc.reset(c.TusSonuclariVer(kopya.get()));
        okuyucu.reset(c.SepetVer(1));
        EXPECT_FALSE(silindi);
    }
    // The client is gone; what it returned is still ours and usable.
    ASSERT_TRUE(sonuc);
    EXPECT_EQ(sonuc->Alindi, 0);
    EXPECT_FALSE(okuyucu->Next());
}

TEST(TServerMethods1Client, RepliesThatDoNotFitTheSignatureRaise) {
    struct Durum {
        const char* ad;
        std::function<Degerler(const Uye&)> cevap;
    };
    const std::vector<Durum> durumlar = {
        {"eksik değer", [](const Uye&) { return Degerler{}; }},
        {"yanlış tür",
         [](const Uye& u) {
             Degerler d(static_cast<std::size_t>(u.KonumSayisi()));
             d.back() = Deger::String("bir");
             return d;
         }},
        {"başka sınıf kayıt",
         [](const Uye& u) {
             Degerler d(static_cast<std::size_t>(u.KonumSayisi()));
             d.back() = Deger::Kayit(KayitJsonMetni(TTusSonuclari{}));
             return d;
         }},
    };
    for (const auto& durum : durumlar) {
        SahteBaglanti b;
        b.cevapla = [&](const Uye& u, const Degerler&) { return durum.cevap(u); };
        TServerMethods1Client c(&b);
        EXPECT_THROW(c.BuyukGetir("X"), UzakHata) << durum.ad;
    }
}

TEST(TServerMethods1Client, NullRecordResultGivesNoObject) {
    SahteBaglanti b;
    b.cevapla = [](const Uye& u, const Degerler&) {
        Degerler d(static_cast<std::size_t>(u.KonumSayisi()));
        if (u.ad == "ResimVer5")
            d[1] = Deger::Int64(0);
        return d;
    };
    TServerMethods1Client c(&b);
    EXPECT_EQ(c.BuyukGetir("X"), nullptr);
    std::int64_t boy = -1;
    EXPECT_EQ(c.ResimVer5(1, boy), nullptr);
    EXPECT_EQ(boy, 0);
    // A plain out value sent as null does not fit its signature.
    EXPECT_THROW(c.SAnalPosPdfVer(1, boy), UzakHata);
}

TEST(TDBXReader, AnsiReadOfAWideTextColumnIsATypeError) {
    Tablo t;
    t.SutunEkle("ID", SutunTuru::Integer);
    t.SutunEkle("ADI", SutunTuru::WideText);
    t.SutunEkle("ADI8", SutunTuru::AnsiText);
    t.satirlar.push_back({std::int64_t{3}, std::string("Kargo"), std::string("Kargo")});
    TDBXReader r(std::make_shared<const Tablo>(t));
    ASSERT_TRUE(r.Next());
    EXPECT_EQ(r.GetInt32(0), 3);
    EXPECT_EQ(r.GetAnsiString(2), "Kargo");
    EXPECT_EQ(r.GetWideString(1), "Kargo");
    EXPECT_THROW(r.GetAnsiString(1), UzakHata);
    EXPECT_THROW(r.GetDouble(0), UzakHata);
}

// Every member of the client binds its arguments by the catalogue and reads its
// result: a member whose C++ signature disagreed with the catalogue would raise here.
TEST(TServerMethods1Client, EveryMemberFollowsTheCatalogue) {
    SahteBaglanti b;
    TServerMethods1Client c(&b);
    auto B = [] { return new TSonucBilgisi; };
    std::int64_t i64 = 0;
    std::int32_t i32 = 0;
    double dbl = 0;
    bool bl = false;
    std::string s;
    const std::string m = "x";

    c.DSServerModuleCreate(nullptr);
    c.StokAraGetir(m, B());
    c.StokAra(m, m, 1);
    c.YenilerVer(1);
    c.YenilerVer2(1);
    c.YenilerVerMobile(1);
    c.KampanyaliVer(1, 1);
    c.KampanyaliVer2(1, 1);
    c.KampanyaliVermMobil(1, 1);
    c.ResimVer5(1, i64);
    c.ResimVer6(1, i64);
    c.BuyukResimVer(1, i32);
    c.KucukResimVer(1);
    c.HttpResimVer(1);
    c.KurlariAl(dbl, dbl);
    c.DepartmanlariGetir();
    c.DepartmanlariVer();
    c.AnaGrupVer();
    c.AltGrupVer(m);
    c.MobilStokara(m, B(), 1, 1);
    c.MobilStokNoAra(1, B());
    c.MobilStokaraGeri(m, B(), 1, 1, nullptr);
    c.MobilStokaraAdimli(m, B(), 1, 1, 1, 1, bl, i32);
    c.AramaGonderAl(B(), m, 1);
    c.EchoString(m);
    c.ReverseString(m);
    c.SepetVer(1);
    c.SepetVer2(1);
    c.SepetMobilVer(1);
    c.SepetEkle(B(), 1, 1, m, m, 1, 1, 1, 1, 1, 1);
    c.SepetEkle2(B(), 1, 1, m, m, 1, 1, 1, 1, 1, 1, 1, 1, 1);
    c.SepetGuncelle(B(), 1, 1, m, m, 1, 1, 1, 1, 1, 1);
    c.SepetGuncelle2(B(), 1, 1, m, m, 1, 1, 1, 1, 1, 1, 1, 1, 1);
    c.SepetSatirSil(B(), 1, m);
    c.SepetHepsiniSil(B());
    c.SepetSecimGuncelle(1, 1);
    c.SepetSayisi(B());
    c.CariSepetVer(B(), 1);
    c.SiparisKaydet(B(), 1, 1, 1, m, 1, 1);
    c.MobilSiparisKaydet(1);
    c.SiparisAlinirmi(1);
    c.TeslimVer();
    c.KargoVer();
    c.KargolarVer(1);
    c.TusSonuclariVer(B());
    c.CikisGonder(B());
    c.CariVadeGunGecmismiBul(1);
    c.OncekiSiparisler(1);
    c.OncekiSiparisler2(1);
    c.Oncekiler(1);
    c.SiparisAyrintisi(1, 1);
    c.SiparisAyrintisi2(1, 1);
    c.SiparisAytintisiDip(0, 1);
    c.TumSiparislerVer(1, 0);
    c.CariEkstreVer(1);
    c.CariEkstreVer2(1, 1, 2);
    c.CariEkstreVer2Baslik(1, 1);
    c.FaturaGetir(1, 1);
    c.FaturaAltGetir(1);
    c.Tahsilat(1);
    c.SanalposSiranoVer(1);
    c.SAnalPosPdfVer(1, i64);
    c.BakiyelerVer(1);
    c.BakiyelerVer2(1);
    c.BakiyeDuzenle(B(), 1, 1, 1, 1, 1, m);
    c.BakiyeDegistir(B(), 1, 1, 1, 1, 1, m);
    c.BakiyeFiyatDegistir(B(), 0, 1, 1, 1, 1, m, 1, 1);
    c.CariAra(B(), m);
    c.CarileriVer();
    c.CariDurumVer(1);
    c.RaporGetir(6, 6, 1, 1, m, 1, 1, i64);
    c.RaporAlinanSiparisler(B(), 1, 2);
    c.RaporEnCokSatilanStoklar(B(), 1, 2);
    c.BelgeIndir(1, i64, s);
    c.BelgeIndir2(1, i64, s, B());
    c.DosyaIndir(i64);
    c.DosyaListesi();
    c.DosyaListesi2();
    c.KayanYaziGetir();
    c.BalonGetir(B());
    c.BalonGetir2(1, i32, i32, i32, i32, i32, i32);
    c.DuyuruVer();
    c.DuyuruVer2();
    c.AcilisEkranlarVer();
    c.AcilisEkranlarVer2();
    c.AcilisEkranlariVerData();
    c.BannerResimVer(i64);
    c.BannerResimVer2(i64);
    c.BannerResimVer3(i64);
    c.AcilisReklamAdet();
    c.AcilisREklamVer(0);
    c.MailGonserCari(m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m);
    c.MailGonserCariNormal(m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m, m);
    c.MobilCariBilgisiGetir(0, m);
    c.SifremiUnuttum(m, i32);
    c.BuyukGetir(m);

    // Each member went out once, under its own name.
    std::set<std::string> cagrilan;
    for (const auto& g : b.gonderilenler)
        cagrilan.insert(g.uye);
    std::set<std::string> katalogdaki;
    for (const auto& u : Katalog())
        katalogdaki.insert(std::string(u.ad));
    EXPECT_EQ(cagrilan, katalogdaki);
}

} // namespace
