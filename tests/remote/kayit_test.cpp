#include "baglantiu.h"
#include "mobilstokunit.h"

#include <gtest/gtest.h>

using namespace rvz;

namespace {

Json JsonOf(const TKayit& k) {
    return Json::parse(KayitJsonMetni(k));
}

std::vector<std::string> AlanAdlari(const Json& j) {
    std::vector<std::string> adlar;
    for (const auto& [ad, deger] : j["fields"].items())
        adlar.push_back(ad);
    return adlar;
}

} // namespace

TEST(TSonucBilgisi, FreshRecordHasDocumentedDefaultsInJson) {
    const auto j = JsonOf(TSonucBilgisi{});
    EXPECT_EQ(j["type"], "baglantiu.TSonucBilgisi");
    EXPECT_EQ(j["id"], 1);
    const std::vector<std::string> beklenen = {"FBILGISAYARID", "FSaticiMail",    "FSirano",
                                               "FCariAdi",      "FSIFRE",         "FSaticiNo",
                                               "FCARINO",       "FAKTIF",         "FKullanicimail",
                                               "FADI",          "FSaticiTelefon", "Fcarikod",
                                               "FVarmi",        "FSaticiAdi",     "FBilgiSayarAdi",
                                               "FDisip",        "FIcip",          "FBilgisayarKullanici",
                                               "FMusteriTipi",  "FVersion"};
    EXPECT_EQ(AlanAdlari(j), beklenen);
    const auto& f = j["fields"];
    EXPECT_EQ(f["FMusteriTipi"], 1);
    EXPECT_EQ(f["FVersion"], 1);
    EXPECT_EQ(f["FVarmi"], false);
    EXPECT_EQ(f["FSirano"], 0);
    EXPECT_EQ(f["FADI"], "");
}

TEST(TSonucBilgisi, KopyalaFromEmptyTextsEmptiesTheDestination) {
    TSonucBilgisi hedef;
    hedef.ADI = "BAYI";
    hedef.CariAdi = "ESKI FIRMA";
    hedef.CARINO = 42;
    hedef.Varmi = true;
    TSonucBilgisi bos;
    hedef.Kopyala(bos);
    EXPECT_EQ(hedef.ADI, "");
    EXPECT_EQ(hedef.CariAdi, "");
    EXPECT_EQ(hedef.CARINO, 0);
    EXPECT_FALSE(hedef.Varmi);
    EXPECT_EQ(hedef.MusteriTipi, 1);
}

TEST(TMobilStok, DefaultsAndCopyOfEveryField) {
    TMobilStok s;
    EXPECT_EQ(s.Birim, "ADET");
    EXPECT_EQ(s.KDV, 20);
    EXPECT_EQ(s.Fiyat, 0);

    TMobilStok kaynak;
    kaynak.PKod = "P1";
    kaynak.DpKod = "D1";
    kaynak.Adi = "FREN BALATASI";
    TMobilStok hedef;
    hedef.PKod = "ESKI";
    hedef.Kopyala(kaynak);
    EXPECT_EQ(hedef.PKod, "P1");
    EXPECT_EQ(hedef.DpKod, "D1");
    EXPECT_EQ(hedef.Adi, "FREN BALATASI");
}

// Every record class: field count, zero/empty defaults apart from the documented ones,
// and a JSON round trip that keeps Turkish text and numbers.
struct KayitDurumu {
    std::string sinif;
    std::size_t alanSayisi;
};

class KayitSiniflari : public ::testing::TestWithParam<KayitDurumu> {};

TEST_P(KayitSiniflari, JsonRoundTripKeepsEveryField) {
    const auto& d = GetParam();
    auto kayit = KayitOlustur(d.sinif);
    ASSERT_TRUE(kayit);
    auto j = JsonOf(*kayit);
    ASSERT_EQ(j["fields"].size(), d.alanSayisi);
    // Change every field, then read it back into a fresh object.
    int n = 0;
    for (auto& [ad, deger] : j["fields"].items()) {
        ++n;
        if (deger.is_string())
            deger = "ÇĞİÖŞÜ çğıöşü " + ad;
        else if (deger.is_boolean())
            deger = true;
        else if (deger.is_number_float())
            deger = n + 0.25;
        else if (deger.is_number())
            deger = n;
    }
    auto geri = KayitNesnedenCoz(j, d.sinif);
    EXPECT_EQ(JsonOf(*geri)["fields"], j["fields"]);
}

TEST_P(KayitSiniflari, DefaultsAreZeroAndEmpty) {
    const auto& d = GetParam();
    const auto j = JsonOf(*KayitOlustur(d.sinif));
    for (const auto& [ad, deger] : j["fields"].items()) {
        if ((d.sinif == TMobilStok::kSinif && (ad == "FBirim" || ad == "FKDV")) ||
            (d.sinif == TSonucBilgisi::kSinif && (ad == "FMusteriTipi" || ad == "FVersion")))
            continue;
        if (deger.is_string()) {
            EXPECT_EQ(deger, "") << ad;
        } else if (deger.is_number()) {
            EXPECT_EQ(deger.get<double>(), 0) << ad;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Hepsi, KayitSiniflari,
                         ::testing::Values(KayitDurumu{"baglantiu.TSonucBilgisi", 20},
                                           KayitDurumu{"baglantiu.TSiparisDipAyrinti", 8},
                                           KayitDurumu{"baglantiu.TTusSonuclari", 6},
                                           KayitDurumu{"mobilstokunit.TMobilStok", 35},
                                           KayitDurumu{"mobilstokunit.TMobilSepet", 53},
                                           KayitDurumu{"mobilstokunit.TMobilCariBilgisi", 30},
                                           KayitDurumu{"mobilstokunit.TAcilisEkran", 4}),
                         [](const auto& bilgi) {
                             return bilgi.param.sinif.substr(bilgi.param.sinif.find('.') + 2);
                         });

TEST(TAcilisEkranlariki, ElementsCarryTheirOwnIdsAndRoundTrip) {
    TAcilisEkranlariki liste;
    liste.Ekranlar.resize(2);
    liste.Ekranlar[0].Baslik = "Kampanya";
    liste.Ekranlar[0].Arama = "#KAMPANYA#";
    liste.Ekranlar[1].Baslik = "Yeni ürünler";
    liste.Ekranlar[1].Arama = "#YENİ#";
    const auto j = JsonOf(liste);
    ASSERT_EQ(j["fields"]["FEkranlar"].size(), 2u);
    EXPECT_EQ(j["fields"]["FEkranlar"][0]["type"], "mobilstokunit.TAcilisEkran");
    EXPECT_EQ(j["fields"]["FEkranlar"][0]["id"], 2);
    EXPECT_EQ(j["fields"]["FEkranlar"][1]["id"], 3);

    auto geri = KayitCoz(j.dump(), TAcilisEkranlariki::kSinif);
    auto& g = static_cast<TAcilisEkranlariki&>(*geri);
    ASSERT_EQ(g.Ekranlar.size(), 2u);
    EXPECT_EQ(g.Ekranlar[1].Arama, "#YENİ#");
}

TEST(TMobilStoklar, OwningListRoundTrips) {
    TMobilStoklar liste;
    liste.Items.push_back(std::make_unique<TMobilStok>());
    liste.Items.back()->Adi = "YAĞ FİLTRESİ";
    auto geri = KayitCoz(KayitJsonMetni(liste), TMobilStoklar::kSinif);
    auto& g = static_cast<TMobilStoklar&>(*geri);
    ASSERT_EQ(g.Items.size(), 1u);
    EXPECT_EQ(g.Items[0]->Adi, "YAĞ FİLTRESİ");
    EXPECT_EQ(g.Items[0]->Birim, "ADET");
}

TEST(KayitCoz, RefusesWhatDoesNotFitTheClass) {
    const std::vector<std::pair<std::string, std::string>> durumlar = {
        {"geçersiz JSON", "{"},
        {"dizi", "[]"},
        {"type yok", R"({"fields":{}})"},
        {"başka sınıf", R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})"},
        {"bilinmeyen sınıf", R"({"type":"x.Y","id":1,"fields":{}})"},
        {"metin yerine sayı", R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":5}})"},
        {"tamsayı yerine kesir", R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":1.5}})"},
        {"32 biti aşan", R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":4294967296}})"},
        {"Boolean yerine sayı", R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":1}})"},
        {"fields nesne değil", R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":[]})"},
    };
    for (const auto& [ad, json] : durumlar)
        EXPECT_THROW(KayitCoz(json, TSonucBilgisi::kSinif), KayitHatasi) << ad;
}

TEST(KayitCoz, AbsentFieldsKeepTheirDefaults) {
    auto k = KayitCoz(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":"BAYI"}})",
                      TSonucBilgisi::kSinif);
    const auto& s = static_cast<const TSonucBilgisi&>(*k);
    EXPECT_EQ(s.ADI, "BAYI");
    EXPECT_EQ(s.Version, 1);
    EXPECT_EQ(s.MusteriTipi, 1);
}
