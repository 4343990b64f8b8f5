// One demo server per test binary: a small demo database in a temporary file, the real
// listener on 127.0.0.1 port 0, and clients that call it through the real protocol.
#pragma once

#include "dagitici.h"
#include "demo.h"
#include "is.h"
#include "proxim.h"
#include "sqlite_depo.h"
#include "sunucu.h"
#include "tcp_baglanti.h"
#include "temel_yontemler.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

namespace rvz::sunucu::test {

class DemoSunucu : public ::testing::Environment {
public:
    void SetUp() override {
        dosya_ = std::filesystem::temp_directory_path() / ("rvz-is-" + std::to_string(::getpid()) + ".db");
        std::filesystem::remove(dosya_);
        depo_ = std::make_unique<SqliteDepo>(dosya_.string());
        DemoDoldur(*depo_, DemoAyarlari{300});
        ortam_ = std::make_unique<IsOrtami>(IsOrtami{*depo_, {}});
        TemelYontemleriKaydet(dagitici_);
        IsYontemleriniKaydet(dagitici_, *ortam_);
        SunucuAyarlari a;
        a.dinle = "127.0.0.1";
        a.port = 0;
        sunucu_ = std::make_unique<Sunucu>(a, dagitici_);
        sunucu_->Baslat();
        ornek_ = this;
    }
    void TearDown() override {
        sunucu_->Durdur();
        sunucu_.reset();
        depo_.reset();
        for (auto ek : {"", "-wal", "-shm"})
            std::filesystem::remove(dosya_.string() + ek);
    }

    static DemoSunucu& Ornek() { return *ornek_; }
    std::uint16_t Port() const { return sunucu_->Port(); }
    Depo& Depom() { return *depo_; }

private:
    static inline DemoSunucu* ornek_ = nullptr;
    std::filesystem::path dosya_;
    std::unique_ptr<SqliteDepo> depo_;
    std::unique_ptr<IsOrtami> ortam_;
    Dagitici dagitici_;
    std::unique_ptr<Sunucu> sunucu_;
};

// A connection and a client for one machine, as a window of the client would make them.
struct Istemci {
    explicit Istemci(const std::string& makine)
        : baglanti(BaglantiAyarlari{"127.0.0.1", DemoSunucu::Ornek().Port(), makine}) {
        baglanti.Ac();
        client = std::make_unique<TServerMethods1Client>(&baglanti);
    }
    // A fresh session record for dealer `carino`, to be consumed by a call.
    static TSonucBilgisi* Oturum(int carino) {
        auto* s = new TSonucBilgisi;
        s->CARINO = carino;
        return s;
    }
    TTcpBaglanti baglanti;
    std::unique_ptr<TServerMethods1Client> client;
    TServerMethods1Client* operator->() { return client.get(); }
};

} // namespace rvz::sunucu::test
