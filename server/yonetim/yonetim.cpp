#include "yonetim.h"

#include "ortam.h"
#include "stok_yazici.h"

#include <charconv>
#include <fstream>
#include <map>
#include <ostream>

namespace rvz::sunucu {

namespace {

std::vector<std::string> CsvSatiri(const std::string& satir, char ayrac) {
    std::vector<std::string> alanlar(1);
    bool tirnak = false;
    for (std::size_t i = 0; i < satir.size(); ++i) {
        const char c = satir[i];
        if (tirnak) {
            if (c == '"' && i + 1 < satir.size() && satir[i + 1] == '"')
                alanlar.back() += satir[++i];
            else if (c == '"')
                tirnak = false;
            else
                alanlar.back() += c;
        } else if (c == '"') {
            tirnak = true;
        } else if (c == ayrac) {
            alanlar.emplace_back();
        } else if (c != '\r') {
            alanlar.back() += c;
        }
    }
    return alanlar;
}

double Ondalikla(std::string s) {
    std::replace(s.begin(), s.end(), ',', '.');
    double d = 0;
    auto [son, hata] = std::from_chars(s.data(), s.data() + s.size(), d);
    if (hata != std::errc{} || son != s.data() + s.size())
        throw std::runtime_error("sayı değil: '" + s + "'");
    return d;
}

// Named options after the command: "--name value".
std::map<std::string, std::string> Secenekler(const std::vector<std::string>& a, std::size_t bas) {
    std::map<std::string, std::string> s;
    for (std::size_t i = bas; i < a.size(); ++i) {
        if (a[i].rfind("--", 0) != 0 || i + 1 >= a.size())
            throw std::runtime_error("beklenmeyen argüman: " + a[i]);
        s[a[i].substr(2)] = a[i + 1];
        ++i;
    }
    return s;
}

std::string Gerekli(const std::map<std::string, std::string>& s, const char* ad) {
    auto it = s.find(ad);
    if (it == s.end() || it->second.empty())
        throw std::runtime_error(std::string("--") + ad + " gerekli");
    return it->second;
}

std::string Istege(const std::map<std::string, std::string>& s, const char* ad, std::string yoksa = {}) {
    auto it = s.find(ad);
    return it == s.end() ? yoksa : it->second;
}

} // namespace

std::int64_t StokCsvAktar(Depo& depo, std::istream& csv, std::ostream& ilerleme) {
    std::string satir;
    if (!std::getline(csv, satir))
        throw std::runtime_error("CSV dosyası boş");
    const char ayrac = satir.find(';') != std::string::npos ? ';' : ',';
    const auto basliklar = CsvSatiri(satir, ayrac);
    auto b = depo.Al();
    Islem islem(*b);
    std::int64_t n = 0;
    while (std::getline(csv, satir)) {
        if (satir.find_first_not_of(" \r") == std::string::npos)
            continue;
        const auto alanlar = CsvSatiri(satir, ayrac);
        StokKaydi s;
        for (std::size_t i = 0; i < basliklar.size() && i < alanlar.size(); ++i) {
            const auto& ad = basliklar[i];
            const auto& v = alanlar[i];
            std::map<std::string, std::string*> metinler{{"KOD", &s.KOD},
                                                         {"BARKOD", &s.BARKOD},
                                                         {"OEM1", &s.OEM1},
                                                         {"OEM2", &s.OEM2},
                                                         {"OEM3", &s.OEM3},
                                                         {"OEM4", &s.OEM4},
                                                         {"OEMNO", &s.OEMNO},
                                                         {"OZELKOD", &s.OZELKOD},
                                                         {"OZELKOD1", &s.OZELKOD1},
                                                         {"URETICIKODU", &s.URETICIKODU},
                                                         {"FINISHKOD", &s.FINISHKOD},
                                                         {"DPKOD", &s.DPKOD},
                                                         {"PKOD", &s.PKOD},
                                                         {"ADI", &s.ADI},
                                                         {"DIGERADI", &s.DIGERADI},
                                                         {"MARKA", &s.MARKA},
                                                         {"MODEL", &s.MODEL},
                                                         {"ANAGRUP", &s.ANAGRUP},
                                                         {"ALTGRUP", &s.ALTGRUP},
                                                         {"DEPARTMAN", &s.DEPARTMAN},
                                                         {"BIRIM", &s.BIRIM}};
            std::map<std::string, double*> sayilar{{"KALAN", &s.KALAN},
                                                   {"KDV", &s.KDV},
                                                   {"LISTEFIYAT", &s.LISTEFIYAT},
                                                   {"KAMPFIYAT", &s.KAMPFIYAT}};
            try {
                if (auto m = metinler.find(ad); m != metinler.end())
                    *m->second = v;
                else if (auto d = sayilar.find(ad); d != sayilar.end())
                    *d->second = v.empty() ? 0 : Ondalikla(v);
                else if (ad == "DURUM" || ad == "YENI" || ad == "KAMPANYA")
                    (ad == "DURUM"  ? s.DURUM
                     : ad == "YENI" ? s.YENI
                                    : s.KAMPANYA) = static_cast<std::int64_t>(v.empty() ? 0 : Ondalikla(v));
            } catch (const std::exception& e) {
                throw std::runtime_error(std::to_string(n + 2) + ". satır, " + ad + ": " + e.what());
            }
        }
        if (s.KOD.empty() || s.ADI.empty())
            throw std::runtime_error(std::to_string(n + 2) + ". satır: KOD ve ADI gerekli");
        if (s.DURUM < 0 || s.DURUM > 5 || s.LISTEFIYAT < 0 || s.KDV < 0 || s.KDV > 100)
            throw std::runtime_error(std::to_string(n + 2) + ". satır: DURUM, LISTEFIYAT ya da KDV geçersiz");
        StokYaz(*b, s);
        if (++n % 1000 == 0)
            ilerleme << "\r" << n << " stok aktarıldı" << std::flush;
    }
    islem.Onayla();
    ilerleme << "\r" << n << " stok aktarıldı\n" << std::flush;
    return n;
}

int YonetimKomutu(Depo& depo, const std::vector<std::string>& a, std::ostream& cikti,
                  std::ostream& ilerleme) {
    if (a.empty())
        throw std::runtime_error(
            "komut gerekli: register-machine, add-user, add-dealer, add-rep, import-stock, outbox");
    const auto& komut = a[0];
    auto b = depo.Al();
    if (komut == "import-stock") {
        if (a.size() != 2)
            throw std::runtime_error("kullanım: import-stock DOSYA.csv");
        std::ifstream dosya(a[1]);
        if (!dosya)
            throw std::runtime_error("dosya açılamadı: " + a[1]);
        StokCsvAktar(depo, dosya, ilerleme);
        return 0;
    }
    const auto s = Secenekler(a, 1);
    Islem islem(*b);
    if (komut == "register-machine") {
        const auto kullanici =
            b->TekSayi("SELECT SIRANO FROM kullanicilar WHERE ADI = ?", {Gerekli(s, "user")});
        if (kullanici == 0)
            throw std::runtime_error("kullanıcı yok: " + Gerekli(s, "user"));
        b->Calistir("INSERT INTO makineler (BILGISAYARID, KULLANICI, KAYITTARIHI) VALUES (?, ?, ?) "
                    "ON CONFLICT (BILGISAYARID) DO UPDATE SET KULLANICI = excluded.KULLANICI",
                    {Gerekli(s, "machine-id"), kullanici, Simdi()});
        cikti << Gerekli(s, "machine-id") << " -> " << Gerekli(s, "user") << "\n";
    } else if (komut == "add-rep") {
        b->Calistir("INSERT INTO saticilar (ADI, TELEFON, MAIL) VALUES (?, ?, ?)",
                    {Gerekli(s, "name"), Istege(s, "phone"), Istege(s, "mail")});
        cikti << "satıcı " << b->SonEklenenNo() << "\n";
    } else if (komut == "add-dealer") {
        const auto rep = Istege(s, "rep");
        b->Calistir(
            "INSERT INTO cariler (CARIKOD, CARIADI, IL, VERGIDAIRESI, VERGINO, SATICINO, ISK1, ISK2, ISK3, "
            "ISK4, EMAIL) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {Gerekli(s, "code"), Gerekli(s, "name"), Istege(s, "city"), Istege(s, "tax-office"),
             Istege(s, "tax-no"), rep.empty() ? Veri{} : Veri{static_cast<std::int64_t>(Ondalikla(rep))},
             Ondalikla(Istege(s, "isk1", "0")), Ondalikla(Istege(s, "isk2", "0")),
             Ondalikla(Istege(s, "isk3", "0")), Ondalikla(Istege(s, "isk4", "0")), Istege(s, "mail")});
        cikti << "cari " << b->SonEklenenNo() << "\n";
    } else if (komut == "add-user") {
        const int tip = static_cast<int>(Ondalikla(Gerekli(s, "type")));
        Veri cari, satici;
        if (auto kod = Istege(s, "dealer"); !kod.empty()) {
            cari = b->Tek("SELECT CARINO FROM cariler WHERE CARIKOD = ?", {kod});
            if (std::holds_alternative<std::monostate>(cari))
                throw std::runtime_error("cari yok: " + kod);
        }
        if (auto r = Istege(s, "rep"); !r.empty())
            satici = static_cast<std::int64_t>(Ondalikla(r));
        if ((tip == 0 || tip >= 3) && std::holds_alternative<std::monostate>(cari))
            throw std::runtime_error("bayi kullanıcısı için --dealer CARIKOD gerekli");
        if (tip == 1 && std::holds_alternative<std::monostate>(satici))
            throw std::runtime_error("tip 1 için --rep SATICINO gerekli");
        b->Calistir(
            "INSERT INTO kullanicilar (ADI, SIFRE, AKTIF, MUSTERITIPI, CARINO, SATICINO, MAIL) "
            "VALUES (?, ?, 1, ?, ?, ?, ?)",
            {Gerekli(s, "user"), Gerekli(s, "password"), std::int64_t{tip}, cari, satici, Istege(s, "mail")});
        cikti << "kullanıcı " << b->SonEklenenNo() << "\n";
    } else if (komut == "outbox") {
        for (const auto& r : b->Sorgula("SELECT SIRANO, TARIH, BILGISAYARID, TUR, KIME, BASLIK, GOVDE FROM "
                                        "posta_kutusu ORDER BY SIRANO")
                                 .satirlar)
            cikti << "#" << Metin(r[0]) << " " << Metin(r[3]) << " makine=" << Metin(r[2])
                  << " kime=" << Metin(r[4]) << "\nKonu: " << Metin(r[5]) << "\n"
                  << Metin(r[6]) << "\n";
    } else {
        throw std::runtime_error("bilinmeyen yönetim komutu: " + komut);
    }
    islem.Onayla();
    return 0;
}

} // namespace rvz::sunucu
