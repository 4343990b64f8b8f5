#include "xlsyazici.h"

#include "baytlar.h"
#include "bilesikbelge.h"

#include <QHash>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace rvz {

namespace {

using namespace bayt;

constexpr std::size_t kEnBuyukKayit = 8224;
constexpr int kEnCokSatir = 65536;
constexpr int kEnCokSutun = 256;
constexpr int kEnUzunMetin = 32767;

// Cell formats written after the 16 style formats.
constexpr std::uint16_t kXfHucre = 15;
constexpr std::uint16_t kXfSayi = 16;  // built-in "#,##0.00"
constexpr std::uint16_t kXfKalin = 17; // bold font

void Kayit(std::string& s, std::uint16_t tur, const std::string& govde) {
    U16(s, tur);
    U16(s, static_cast<std::uint16_t>(govde.size()));
    s += govde;
}

std::string Bof(std::uint16_t tur) {
    std::string g;
    U16(g, 0x0600);
    U16(g, tur);
    U16(g, 0x0DBB);
    U16(g, 0x07CC);
    U32(g, 0);
    U32(g, 6);
    return g;
}

std::string Yazi(std::uint16_t yukseklik, bool kalin) {
    std::string g;
    U16(g, yukseklik);
    U16(g, 0);
    U16(g, 0x7FFF);
    U16(g, kalin ? 700 : 400);
    U16(g, 0);
    U8(g, 0);
    U8(g, 0);
    U8(g, 0xA2); // Turkish character set
    U8(g, 0);
    const std::string ad = "Arial";
    U8(g, static_cast<std::uint8_t>(ad.size()));
    U8(g, 0);
    g += ad;
    return g;
}

std::string Xf(std::uint16_t yazi, std::uint16_t bicim, bool stil) {
    std::string g;
    U16(g, yazi);
    U16(g, bicim);
    U16(g, stil ? 0xFFF5 : 0x0001);
    U8(g, 0x20); // bottom-aligned, general
    U8(g, 0);
    U8(g, 0);
    U8(g, stil ? 0xF4 : 0xF8);
    U32(g, 0);
    U32(g, 0);
    U16(g, 0x20C0);
    return g;
}

std::u16string Utf16(const QString& metin) {
    const QString kisa = metin.left(kEnUzunMetin);
    return {reinterpret_cast<const char16_t*>(kisa.utf16()), static_cast<std::size_t>(kisa.size())};
}

// The shared string table, split into CONTINUE records where it outgrows one record.
class Metinler {
public:
    std::uint32_t Ekle(const QString& metin) {
        ++toplam_;
        const auto it = sira_.constFind(metin);
        if (it != sira_.constEnd())
            return *it;
        const auto no = static_cast<std::uint32_t>(liste_.size());
        sira_.insert(metin, no);
        liste_.push_back(Utf16(metin));
        return no;
    }

    // Appends SST (with its CONTINUE records) and EXTSST to the stream.
    void Yaz(std::string& akis) const {
        std::vector<std::string> parcalar(1);
        U32(parcalar[0], toplam_);
        U32(parcalar[0], static_cast<std::uint32_t>(liste_.size()));
        const std::size_t kova = std::max<std::size_t>(8, (liste_.size() + 127) / 128);
        std::vector<std::pair<std::size_t, std::size_t>> kovalar; // (part, offset in part)
        for (std::size_t i = 0; i < liste_.size(); ++i) {
            const auto& m = liste_[i];
            if (parcalar.back().size() + 3 + 2 > kEnBuyukKayit)
                parcalar.emplace_back();
            if (i % kova == 0)
                kovalar.emplace_back(parcalar.size() - 1, parcalar.back().size());
            U16(parcalar.back(), static_cast<std::uint16_t>(m.size()));
            U8(parcalar.back(), 0x01); // UTF-16
            std::size_t yazilan = 0;
            while (yazilan < m.size()) {
                std::size_t yer = (kEnBuyukKayit - parcalar.back().size()) / 2;
                if (yer == 0) {
                    parcalar.emplace_back();
                    U8(parcalar.back(), 0x01); // the rest goes on as UTF-16 too
                    yer = (kEnBuyukKayit - 1) / 2;
                }
                const std::size_t n = std::min(yer, m.size() - yazilan);
                for (std::size_t k = 0; k < n; ++k)
                    U16(parcalar.back(), m[yazilan + k]);
                yazilan += n;
            }
        }
        std::vector<std::size_t> baslar;
        for (std::size_t p = 0; p < parcalar.size(); ++p) {
            baslar.push_back(akis.size());
            Kayit(akis, p == 0 ? 0x00FC : 0x003C, parcalar[p]);
        }
        std::string ext;
        U16(ext, static_cast<std::uint16_t>(kova));
        for (const auto& [parca, konum] : kovalar) {
            U32(ext, static_cast<std::uint32_t>(baslar[parca] + 4 + konum));
            U16(ext, static_cast<std::uint16_t>(4 + konum));
            U16(ext, 0);
        }
        Kayit(akis, 0x00FF, ext);
    }

private:
    QHash<QString, std::uint32_t> sira_;
    std::vector<std::u16string> liste_;
    std::uint32_t toplam_ = 0;
};

void Hucre(std::string& s, int satir, int sutun, std::uint16_t xf) {
    U16(s, static_cast<std::uint16_t>(satir));
    U16(s, static_cast<std::uint16_t>(sutun));
    U16(s, xf);
}

} // namespace

std::string XlsOlustur(const TAktarimTablosu& tablo) {
    const int satirSayisi = static_cast<int>(tablo.satirlar.size()) + 1;
    const int sutunSayisi = static_cast<int>(tablo.basliklar.size());
    if (satirSayisi > kEnCokSatir)
        throw std::length_error(
            "Excel 97-2003 dosyasına en fazla 65.535 satır yazılabilir; bu liste için dosyayı "
            ".xlsx uzantısıyla kaydedin.");
    if (sutunSayisi > kEnCokSutun)
        throw std::length_error(
            "Excel 97-2003 dosyasına en fazla 256 sütun yazılabilir; bu liste için dosyayı "
            ".xlsx uzantısıyla kaydedin.");

    // The sheet first: it fills the string table.
    Metinler metinler;
    std::string sayfa;
    Kayit(sayfa, 0x0809, Bof(0x0010));
    {
        std::string g;
        U16(g, 10);
        Kayit(sayfa, 0x0055, g); // DEFCOLWIDTH
    }
    for (int c = 0; c < sutunSayisi; ++c) {
        qsizetype en = tablo.basliklar[c].size();
        for (const auto& satir : tablo.satirlar)
            if (static_cast<std::size_t>(c) < satir.size() && satir[static_cast<std::size_t>(c)].isValid())
                en = std::max(en, satir[static_cast<std::size_t>(c)].toString().size());
        std::string g;
        U16(g, static_cast<std::uint16_t>(c));
        U16(g, static_cast<std::uint16_t>(c));
        U16(g, static_cast<std::uint16_t>(std::clamp<qsizetype>(en + 3, 6, 60) * 256));
        U16(g, kXfHucre);
        U16(g, 0);
        U16(g, 0);
        Kayit(sayfa, 0x007D, g); // COLINFO
    }
    {
        std::string g;
        U32(g, 0);
        U32(g, static_cast<std::uint32_t>(satirSayisi));
        U16(g, 0);
        U16(g, static_cast<std::uint16_t>(sutunSayisi));
        U16(g, 0);
        Kayit(sayfa, 0x0200, g); // DIMENSIONS
    }
    const auto metinHucresi = [&](int r, int c, const QString& metin, std::uint16_t xf) {
        std::string g;
        Hucre(g, r, c, xf);
        U32(g, metinler.Ekle(metin));
        Kayit(sayfa, 0x00FD, g); // LABELSST
    };
    for (int c = 0; c < sutunSayisi; ++c)
        metinHucresi(0, c, tablo.basliklar[c], kXfKalin);
    for (std::size_t r = 0; r < tablo.satirlar.size(); ++r) {
        const bool vurgulu = r < tablo.vurgulu.size() && tablo.vurgulu[r];
        const auto& satir = tablo.satirlar[r];
        for (int c = 0; c < sutunSayisi && static_cast<std::size_t>(c) < satir.size(); ++c) {
            const QVariant& h = satir[static_cast<std::size_t>(c)];
            // Empty texts stay empty cells, as Excel writes them.
            if (!h.isValid() || (h.typeId() != QMetaType::Double && h.toString().isEmpty()))
                continue;
            if (h.typeId() == QMetaType::Double) {
                std::string g;
                const bool iki = static_cast<std::size_t>(c) < tablo.ikiOndalik.size() &&
                                 tablo.ikiOndalik[static_cast<std::size_t>(c)];
                Hucre(g, static_cast<int>(r) + 1, c, iki ? kXfSayi : kXfHucre);
                F64(g, h.toDouble());
                Kayit(sayfa, 0x0203, g); // NUMBER
            } else {
                metinHucresi(static_cast<int>(r) + 1, c, h.toString(), vurgulu ? kXfKalin : kXfHucre);
            }
        }
    }
    {
        std::string g;
        U16(g, 0x06B6); // gridlines, headings, zeros, default colours, selected, active
        U16(g, 0);
        U16(g, 0);
        U32(g, 0x40);
        U16(g, 0);
        U16(g, 0);
        U32(g, 0);
        Kayit(sayfa, 0x023E, g); // WINDOW2
    }
    Kayit(sayfa, 0x000A, {});

    // Workbook globals.
    std::string akis;
    Kayit(akis, 0x0809, Bof(0x0005));
    {
        std::string g;
        U16(g, 1200); // UTF-16
        Kayit(akis, 0x0042, g);
    }
    {
        std::string g;
        U16(g, 0);
        U16(g, 0);
        U16(g, 0x3000);
        U16(g, 0x1E00);
        U16(g, 0x0038);
        U16(g, 0);
        U16(g, 0);
        U16(g, 1);
        U16(g, 0x0258);
        Kayit(akis, 0x003D, g); // WINDOW1
    }
    for (int i = 0; i < 4; ++i)
        Kayit(akis, 0x0031, Yazi(200, false));
    Kayit(akis, 0x0031, Yazi(200, true)); // index 5: index 4 does not exist
    for (int i = 0; i < 15; ++i)
        Kayit(akis, 0x00E0, Xf(0, 0, true));
    Kayit(akis, 0x00E0, Xf(0, 0, false));
    Kayit(akis, 0x00E0, Xf(0, 4, false));
    Kayit(akis, 0x00E0, Xf(5, 0, false));
    {
        std::string g;
        U16(g, 0x8000);
        U8(g, 0);
        U8(g, 0xFF);
        Kayit(akis, 0x0293, g); // STYLE "Normal"
    }
    const std::size_t sayfaKonumu = akis.size() + 4;
    {
        std::string g;
        U32(g, 0); // the sheet's position, set below
        U8(g, 0);
        U8(g, 0);
        const std::string ad = "Sayfa1";
        U8(g, static_cast<std::uint8_t>(ad.size()));
        U8(g, 0);
        g += ad;
        Kayit(akis, 0x0085, g); // BOUNDSHEET
    }
    metinler.Yaz(akis);
    Kayit(akis, 0x000A, {});
    U32Yaz(akis, sayfaKonumu, static_cast<std::uint32_t>(akis.size()));
    akis += sayfa;
    return BilesikBelge("Workbook", std::move(akis));
}

} // namespace rvz
