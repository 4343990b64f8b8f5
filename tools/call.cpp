// ruvizezevuv-call: calls any member of the server by name and prints what it answers.
#include "akis.h"
#include "katalog.h"
#include "kayit.h"
#include "tcp_baglanti.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

using namespace rvz;

namespace {

void Kullanim() {
    std::cerr
        << "Kullanım: ruvizezevuv-call [--host H] [--port P] [--machine-id ID] [--json] [--out DOSYA]\n"
           "                          YÖNTEM [ARGÜMAN ...]\n"
           "Girdi argümanları sırayla verilir; kayıtlar alanlarının JSON nesnesi olarak ({\"FADI\": ...}\n"
           "ya da {\"type\":...,\"fields\":{...}}), boş kayıt için null. --out akış sonucunu dosyaya "
           "yazar.\n";
}

[[noreturn]] void Hata(const std::string& metin) {
    std::cerr << "ruvizezevuv-call: " << metin << "\n";
    std::exit(1);
}

Deger ArgumanCoz(const Parametre& p, const std::string& a) {
    auto tamsayi = [&]() -> std::int64_t {
        std::int64_t v = 0;
        auto [son, hata] = std::from_chars(a.data(), a.data() + a.size(), v);
        if (hata != std::errc{} || son != a.data() + a.size())
            Hata(std::string(p.ad) + " bir tamsayı olmalı: " + a);
        return v;
    };
    switch (p.tur) {
    case DegerTuru::Integer:
        return Deger::Integer(static_cast<std::int32_t>(tamsayi()));
    case DegerTuru::Double: {
        try {
            std::size_t n = 0;
            const double v = std::stod(a, &n);
            if (n != a.size())
                throw std::invalid_argument(a);
            return Deger::Double(v);
        } catch (const std::exception&) {
            Hata(std::string(p.ad) + " bir sayı olmalı: " + a);
        }
    }
    case DegerTuru::Boolean:
        if (a == "true" || a == "1")
            return Deger::Boolean(true);
        if (a == "false" || a == "0")
            return Deger::Boolean(false);
        Hata(std::string(p.ad) + " true ya da false olmalı: " + a);
    case DegerTuru::String:
        return Deger::String(a);
    case DegerTuru::Kayit: {
        if (a == "null")
            return {};
        Json j = Json::parse(a, nullptr, false);
        if (j.is_discarded() || !j.is_object())
            Hata(std::string(p.ad) + " bir JSON nesnesi olmalı");
        if (!j.contains("type")) // just the fields
            j = Json{{"type", p.sinif}, {"id", 1}, {"fields", j}};
        try {
            auto kayit = KayitNesnedenCoz(j, p.sinif);
            return Deger::Kayit(KayitJsonMetni(*kayit));
        } catch (const std::exception& e) {
            Hata(std::string(p.ad) + ": " + e.what());
        }
    }
    default:
        Hata(std::string(p.ad) + ": bu tür komut satırından verilemez");
    }
}

Json HucreJson(const Hucre& h) {
    if (const auto* t = std::get_if<std::int64_t>(&h))
        return *t;
    if (const auto* d = std::get_if<double>(&h))
        return *d;
    if (const auto* s = std::get_if<std::string>(&h))
        return *s;
    return nullptr;
}

std::string HucreMetni(const Hucre& h) {
    if (std::holds_alternative<std::monostate>(h))
        return "";
    if (const auto* s = std::get_if<std::string>(&h))
        return *s;
    return HucreJson(h).dump();
}

Json TabloJson(const Tablo& t) {
    Json sutunlar = Json::array();
    for (const auto& s : t.sutunlar)
        sutunlar.push_back({{"name", s.ad}, {"kind", SutunTuruAdi(s.tur)}});
    Json satirlar = Json::array();
    for (const auto& r : t.satirlar) {
        Json satir = Json::array();
        for (const auto& h : r)
            satir.push_back(HucreJson(h));
        satirlar.push_back(std::move(satir));
    }
    return {{"columns", std::move(sutunlar)}, {"rows", std::move(satirlar)}};
}

// Display width of UTF-8 text: one per character.
std::size_t Genislik(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

void TabloYazdir(const Tablo& t) {
    std::vector<std::size_t> gen(t.sutunlar.size());
    for (std::size_t i = 0; i < t.sutunlar.size(); ++i)
        gen[i] = Genislik(t.sutunlar[i].ad);
    for (const auto& r : t.satirlar)
        for (std::size_t i = 0; i < r.size(); ++i)
            gen[i] = std::max(gen[i], std::min<std::size_t>(Genislik(HucreMetni(r[i])), 60));
    auto satirYaz = [&](auto metin) {
        for (std::size_t i = 0; i < gen.size(); ++i) {
            auto m = metin(i);
            std::cout << m << std::string(gen[i] > Genislik(m) ? gen[i] - Genislik(m) : 0, ' ')
                      << (i + 1 < gen.size() ? "  " : "\n");
        }
    };
    satirYaz([&](std::size_t i) { return t.sutunlar[i].ad; });
    satirYaz([&](std::size_t i) { return std::string(gen[i], '-'); });
    for (const auto& r : t.satirlar)
        satirYaz([&](std::size_t i) { return HucreMetni(r[i]); });
    std::cout << "(" << t.satirlar.size() << " satır)\n";
}

Json DegerJson(const Deger& d, const std::string& cikti) {
    switch (d.tur) {
    case DegerTuru::Null:
        return nullptr;
    case DegerTuru::Integer:
    case DegerTuru::Int64:
        return d.tam;
    case DegerTuru::Boolean:
        return d.tam != 0;
    case DegerTuru::Double:
        return d.ondalik;
    case DegerTuru::String:
        return d.metin;
    case DegerTuru::VeriPaketi:
    case DegerTuru::TabloOkuyucu:
        return TabloJson(*d.tablo);
    case DegerTuru::JsonDizi:
    case DegerTuru::Kayit:
        return Json::parse(d.metin, nullptr, false);
    case DegerTuru::Akis: {
        if (!cikti.empty()) {
            std::ofstream f(cikti, std::ios::binary);
            f.write(d.metin.data(), static_cast<std::streamsize>(d.metin.size()));
            if (!f)
                Hata(cikti + " yazılamadı");
        }
        return Json{{"stream_bytes", d.metin.size()},
                    {"saved_to", cikti.empty() ? Json(nullptr) : Json(cikti)}};
    }
    case DegerTuru::Callback:
        return nullptr;
    }
    return nullptr;
}

void DegerYazdir(const std::string& ad, const Deger& d, const std::string& cikti) {
    if (d.tur == DegerTuru::VeriPaketi || d.tur == DegerTuru::TabloOkuyucu) {
        std::cout << ad << ":\n";
        TabloYazdir(*d.tablo);
        return;
    }
    auto j = DegerJson(d, cikti);
    if (d.tur == DegerTuru::Kayit || d.tur == DegerTuru::JsonDizi)
        std::cout << ad << ": " << j.dump(2) << "\n";
    else if (d.tur == DegerTuru::String)
        std::cout << ad << ": " << d.metin << "\n";
    else
        std::cout << ad << ": " << j.dump() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    BaglantiAyarlari ayarlar;
    ayarlar.makineId = "ruvizezevuv-call";
    bool json = false;
    std::string cikti;
    std::vector<std::string> kalan;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto deger = [&] {
            if (i + 1 >= argc) {
                Kullanim();
                std::exit(2);
            }
            return std::string(argv[++i]);
        };
        if (!kalan.empty())
            kalan.push_back(a);
        else if (a == "--host")
            ayarlar.host = deger();
        else if (a == "--port")
            ayarlar.port = static_cast<std::uint16_t>(std::stoi(deger()));
        else if (a == "--machine-id")
            ayarlar.makineId = deger();
        else if (a == "--json")
            json = true;
        else if (a == "--out")
            cikti = deger();
        else if (a == "--help" || a == "-h") {
            Kullanim();
            return 0;
        } else
            kalan.push_back(a);
    }
    if (kalan.empty()) {
        Kullanim();
        return 2;
    }
    const auto* uye = UyeBul(kalan[0]);
    if (!uye)
        Hata("bilinmeyen yöntem: " + kalan[0]);

    Degerler girdiler(static_cast<std::size_t>(uye->KonumSayisi()));
    std::size_t sira = 1;
    for (int i = 0; i < static_cast<int>(uye->parametreler.size()); ++i) {
        const auto& p = uye->parametreler[static_cast<std::size_t>(i)];
        if (p.yon == Yon::Cikti)
            continue;
        if (sira >= kalan.size())
            Hata(std::string(uye->ad) + ": " + std::string(p.ad) + " argümanı eksik");
        girdiler[static_cast<std::size_t>(i)] = ArgumanCoz(p, kalan[sira++]);
    }
    if (sira != kalan.size())
        Hata(std::string(uye->ad) + ": fazla argüman");

    try {
        TTcpBaglanti baglanti(ayarlar);
        baglanti.Ac();
        auto cevap = baglanti.Yurut(*uye, girdiler);
        if (static_cast<int>(cevap.size()) != uye->KonumSayisi())
            Hata("cevap yöntemin imzasına uymuyor");
        std::vector<int> cikanlar;
        for (int i = 0; i < uye->KonumSayisi(); ++i)
            if (uye->Konum(i).yon == Yon::Cikti)
                cikanlar.push_back(i);
        for (int i : cikanlar)
            if (auto h = KonumDenetle(*uye, i, cevap[static_cast<std::size_t>(i)]); !h.empty())
                Hata(h);
        const bool tekSonuc = cikanlar.size() == 1 && cikanlar[0] == uye->SonucKonumu();
        if (json) {
            Json hepsi = Json::object();
            for (int i : cikanlar)
                hepsi[std::string(uye->Konum(i).ad)] = DegerJson(cevap[static_cast<std::size_t>(i)], cikti);
            std::cout << (tekSonuc ? hepsi.begin().value() : hepsi).dump(2) << "\n";
        } else if (tekSonuc && cevap[static_cast<std::size_t>(cikanlar[0])].tur == DegerTuru::String) {
            std::cout << cevap[static_cast<std::size_t>(cikanlar[0])].metin << "\n";
        } else {
            for (int i : cikanlar)
                DegerYazdir(std::string(uye->Konum(i).ad), cevap[static_cast<std::size_t>(i)], cikti);
        }
    } catch (const std::exception& e) {
        Hata(e.what());
    }
    return 0;
}
