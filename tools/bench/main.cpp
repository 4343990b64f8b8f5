// ruvizezevuv-bench: measures and prints; it checks nothing.
#include "bellek.h"
#include "olcum.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace rvz::bench;
    rvz::BellekAyarla(argv);
    Ayarlar a;
    std::vector<std::string> secilen;
    for (int i = 1; i < argc; ++i) {
        const std::string s = argv[i];
        auto deger = [&] {
            if (i + 1 >= argc) {
                std::cerr << s << " bir değer bekliyor\n";
                std::exit(2);
            }
            return std::string(argv[++i]);
        };
        if (s == "--host")
            a.host = deger();
        else if (s == "--port")
            a.port = static_cast<std::uint16_t>(std::stoi(deger()));
        else if (s == "--machine-id")
            a.makineId = deger();
        else if (s == "--callers")
            a.cagiranlar = std::stoi(deger());
        else if (s == "--seconds")
            a.sure = std::chrono::milliseconds(static_cast<long>(std::stod(deger()) * 1000));
        else if (s == "--arg")
            a.ekler.push_back(deger());
        else if (s == "--help" || s == "-h" || s == "--list") {
            std::cout << "Kullanım: ruvizezevuv-bench [--host H] [--port P] [--machine-id ID] [--callers N]\n"
                         "                          [--seconds S] [--arg DEĞER ...] [DURUM ...]\n"
                         "--port verilmezse her durum kendi sunucusunu 127.0.0.1 üzerinde başlatır.\n"
                         "Durumlar:\n";
            for (const auto& d : Durumlar())
                std::cout << "  " << d.ad << "  " << d.aciklama << "\n";
            return 0;
        } else
            secilen.push_back(s);
    }
    if (secilen.empty())
        secilen.push_back("echo");
    int sonuc = 0;
    for (const auto& ad : secilen) {
        bool bulundu = false;
        for (const auto& d : Durumlar())
            if (d.ad == ad) {
                bulundu = true;
                sonuc |= d.calistir(a);
            }
        if (!bulundu) {
            std::cerr << "Bilinmeyen durum: " << ad << " (--list)\n";
            return 2;
        }
    }
    return sonuc;
}
