// ruvizezevuv-server: the application server of the ordering system.
#include "bellek.h"
#include "demo.h"
#include "gunluk.h"
#include "is.h"
#include "sqlite_depo.h"
#include "sunucu.h"
#include "temel_yontemler.h"
#include "yonetim.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Kullanim() {
    std::cout
        << "Kullanım: ruvizezevuv-server [--listen ADRES] [--port N] [--db DOSYA]\n"
           "                            [--max-connections N] [--idle-timeout SANIYE] [--max-frame BAYT]\n"
           "                            [--threads N] [--demo] [--demo-items N] [--expect-version N]\n"
           "       ruvizezevuv-server admin --db DOSYA KOMUT ...   (bkz. docs/server.md)\n"
           "  --listen ADRES         dinlenecek adres (varsayılan 0.0.0.0, tüm arayüzler)\n"
           "  --port N               port (varsayılan 9090; 0 boş bir port seçer)\n"
           "  --db DOSYA             veritabanı dosyası (varsayılan ruvizezevuv.db)\n"
           "  --demo                 boş veritabanını demo verisiyle doldurur\n"
           "  --demo-items N         demo stok sayısı (varsayılan 20000, en çok 100000)\n"
           "  --expect-version N     istemcinin beklenen sürümü (varsayılan 13)\n"
           "  --max-connections N    aynı anda en çok bağlantı (varsayılan 1024)\n"
           "  --idle-timeout SANIYE  bir çerçeve için en uzun bekleme (varsayılan 30)\n"
           "  --max-frame BAYT       en büyük çerçeve (varsayılan 67108864)\n"
           "  --threads N            iş parçacığı sayısı (varsayılan çekirdek başına 4, en az 8)\n";
}

template <class T> bool Sayi(std::string_view s, T& hedef) {
    auto [son, hata] = std::from_chars(s.data(), s.data() + s.size(), hedef);
    return hata == std::errc{} && son == s.data() + s.size();
}

} // namespace

int Yonetim(int argc, char** argv) {
    using namespace rvz::sunucu;
    rvz::BellekAyarla(argv);
    std::vector<std::string> a(argv + 2, argv + argc);
    std::string db = "ruvizezevuv.db";
    if (a.size() >= 2 && a[0] == "--db") {
        db = a[1];
        a.erase(a.begin(), a.begin() + 2);
    }
    try {
        SqliteDepo depo(db);
        return YonetimKomutu(depo, a, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "ruvizezevuv-server admin: " << e.what() << "\n";
        return 1;
    }
}

int main(int argc, char** argv) {
    using namespace rvz::sunucu;
    if (argc >= 2 && std::string_view(argv[1]) == "admin")
        return Yonetim(argc, argv);
    SunucuAyarlari ayarlar;
    std::string db = "ruvizezevuv.db";
    bool demo = false;
    DemoAyarlari demoAyarlari;
    IsAyarlari isAyarlari;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto deger = [&]() -> std::string_view {
            if (i + 1 >= argc) {
                std::cerr << a << " bir değer bekliyor\n";
                std::exit(2);
            }
            return argv[++i];
        };
        auto sayi = [&](auto& hedef) {
            const auto s = deger();
            if (!Sayi(s, hedef)) {
                std::cerr << a << ": geçersiz sayı '" << s << "'\n";
                std::exit(2);
            }
        };
        if (a == "--listen")
            ayarlar.dinle = deger();
        else if (a == "--port")
            sayi(ayarlar.port);
        else if (a == "--db")
            db = deger();
        else if (a == "--demo")
            demo = true;
        else if (a == "--demo-items")
            sayi(demoAyarlari.stokSayisi);
        else if (a == "--expect-version")
            sayi(isAyarlari.beklenenSurum);
        else if (a == "--max-connections")
            sayi(ayarlar.enCokBaglanti);
        else if (a == "--max-frame")
            sayi(ayarlar.enBuyukCerceve);
        else if (a == "--threads")
            sayi(ayarlar.isParcacigi);
        else if (a == "--idle-timeout") {
            int saniye = 0;
            sayi(saniye);
            ayarlar.bosSure = std::chrono::seconds(saniye);
        } else if (a == "--help" || a == "-h") {
            Kullanim();
            return 0;
        } else {
            std::cerr << "Bilinmeyen seçenek: " << a << "\n";
            Kullanim();
            return 2;
        }
    }

    try {
        SqliteDepo depo(db);
        if (demo) {
            auto b = depo.Al();
            if (b->TekSayi("SELECT COUNT(*) FROM stoklar") == 0) {
                Gunluk("demo verisi yazılıyor (" + std::to_string(demoAyarlari.stokSayisi) + " stok)");
                DemoDoldur(depo, demoAyarlari);
            } else {
                Gunluk("veritabanı dolu; demo verisi yazılmadı");
            }
        }
        IsOrtami ortam{depo, isAyarlari};
        Dagitici dagitici;
        TemelYontemleriKaydet(dagitici);
        IsYontemleriniKaydet(dagitici, ortam);
        Sunucu sunucu(ayarlar, dagitici);
        sunucu.Baslat();
        // The first line of standard output names the address; scripts and tests read the port from it.
        std::printf("dinleniyor %s:%u\n", ayarlar.dinle.c_str(), static_cast<unsigned>(sunucu.Port()));
        std::fflush(stdout);
        Gunluk("ruvizezevuv-server " + ayarlar.dinle + ":" + std::to_string(sunucu.Port()) +
               " adresini dinliyor");
        sunucu.Bekle(true);
        Gunluk("durdu");
    } catch (const std::exception& e) {
        std::cerr << "ruvizezevuv-server: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
