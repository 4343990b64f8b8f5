// ruvizezevuv-server: the application server of the ordering system.
#include "gunluk.h"
#include "sunucu.h"
#include "temel_yontemler.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

namespace {

void Kullanim() {
    std::cout
        << "Kullanım: ruvizezevuv-server [--listen ADRES] [--port N] [--db DOSYA]\n"
           "                            [--max-connections N] [--idle-timeout SANIYE] [--max-frame BAYT]\n"
           "                            [--threads N]\n"
           "  --listen ADRES         dinlenecek adres (varsayılan 0.0.0.0, tüm arayüzler)\n"
           "  --port N               port (varsayılan 9090; 0 boş bir port seçer)\n"
           "  --db DOSYA             veritabanı dosyası\n"
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

int main(int argc, char** argv) {
    using namespace rvz::sunucu;
    SunucuAyarlari ayarlar;
    std::string db;
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

    Dagitici dagitici;
    TemelYontemleriKaydet(dagitici);

    try {
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
