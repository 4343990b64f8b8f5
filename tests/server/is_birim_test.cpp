// Rules that need no server: money rounding, discount text, the search key, transactions.
#include "arama.h"
#include "para.h"
#include "sqlite_depo.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

namespace rvz::sunucu {
namespace {

TEST(Para, YuvarlamaYarimlariSifirdanUzaklastirir) {
    const std::pair<double, double> durumlar[] = {
        {0.125, 0.13}, {-0.125, -0.13},          {1.005, 1.01}, {2.675, 2.68}, {1.004, 1.0},
        {0, 0},        {1234567.891, 1234567.89}};
    for (auto [girdi, beklenen] : durumlar)
        EXPECT_DOUBLE_EQ(Yuvarla(girdi), beklenen) << girdi;
}

TEST(Para, ArdisikIndirimlerVeYazisi) {
    const Indirimler ind{45, 10, 5, 0};
    EXPECT_DOUBLE_EQ(NetFiyat(1000, ind), 470.25);
    EXPECT_EQ(IndirimYazisi(ind), "45+10+5");
    EXPECT_EQ(IndirimYazisi({12.5, 0, 0, 0}), "12.5");
    EXPECT_EQ(IndirimYazisi({}), "");
    auto t = SatirHesapla(3, 100, {10, 0, 0, 0}, 20);
    EXPECT_DOUBLE_EQ(t.tutar, 300);
    EXPECT_DOUBLE_EQ(t.netTutar, 270);
    EXPECT_DOUBLE_EQ(t.indirimTutar, 30);
    EXPECT_DOUBLE_EQ(t.vergi, 54);
}

TEST(Arama, AnahtarHarfVeAyraclardanBagimsiz) {
    const std::pair<const char*, const char*> durumlar[] = {{"Fren Balatası Ön", "FRENBALATASION"},
                                                            {"04465-0K 090", "044650K090"},
                                                            {"34.11.6.761.280", "34116761280"},
                                                            {"yağ filtresi", "YAGFILTRESI"},
                                                            {"ÇİŞĞÜÖ çişğüö", "CISGUOCISGUO"},
                                                            {"'; DROP --", "DROP"},
                                                            {"\xC3", ""}};
    for (auto [girdi, beklenen] : durumlar)
        EXPECT_EQ(AramaAnahtari(girdi), beklenen) << girdi;
}

class Depolama : public ::testing::Test {
protected:
    void SetUp() override {
        dosya_ = std::filesystem::temp_directory_path() / ("rvz-depo-" + std::to_string(::getpid()) + ".db");
        std::filesystem::remove(dosya_);
        depo_ = std::make_unique<SqliteDepo>(dosya_.string());
    }
    void TearDown() override {
        depo_.reset();
        for (auto ek : {"", "-wal", "-shm"})
            std::filesystem::remove(dosya_.string() + ek);
    }
    std::int64_t SaticiSayisi() { return depo_->Al()->TekSayi("SELECT COUNT(*) FROM saticilar"); }
    std::filesystem::path dosya_;
    std::unique_ptr<SqliteDepo> depo_;
};

TEST_F(Depolama, SemaGuncelVeOnaylanmayanIslemGeriAlinir) {
    EXPECT_EQ(depo_->SemaSurumu(), static_cast<int>(SemaAdimlari().size()));
    {
        auto b = depo_->Al();
        Islem islem(*b);
        b->Calistir("INSERT INTO saticilar (ADI) VALUES (?)", {"KAPSAM SONU"});
    }
    EXPECT_EQ(SaticiSayisi(), 0);
    try {
        auto b = depo_->Al();
        Islem islem(*b);
        b->Calistir("INSERT INTO saticilar (ADI) VALUES (?)", {"ISTISNA"});
        throw std::runtime_error("yarıda");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(SaticiSayisi(), 0);
    {
        auto b = depo_->Al();
        Islem islem(*b);
        b->Calistir("INSERT INTO saticilar (ADI) VALUES (?)", {"'); DROP TABLE saticilar; --"});
        islem.Onayla();
    }
    EXPECT_EQ(SaticiSayisi(), 1);
}

TEST_F(Depolama, YenidenAcmakSemayiKorur) {
    depo_.reset();
    depo_ = std::make_unique<SqliteDepo>(dosya_.string());
    EXPECT_EQ(depo_->SemaSurumu(), static_cast<int>(SemaAdimlari().size()));
}

} // namespace
} // namespace rvz::sunucu
