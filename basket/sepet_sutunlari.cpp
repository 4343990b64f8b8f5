#include "sepet_sutunlari.h"

namespace rvz::sepet {

std::vector<TIzgaraSutunu> SepetSutunlari(const app::KullaniciTipiKurallari& kurallar) {
    using C = SutunCinsi;
    using O = OzetCinsi;
    const bool durum = !kurallar.sepetDurumGizli;
    const bool kalan = kurallar.satisSutunlari;
    // Hidden, not offered: the columns that only carry keys and codes.
    const auto gizli = [](const char* alan, int agirlik = 1) {
        return TIzgaraSutunu{.alan = alan, .gorunur = false, .sunulan = false, .agirlik = agirlik};
    };
    const auto kapali = [](const char* baslik, const char* alan, int agirlik = 1) {
        return TIzgaraSutunu{
            .baslik = QString::fromUtf8(baslik), .alan = alan, .gorunur = false, .agirlik = agirlik};
    };
    return {
        {.baslik = kSecBasligi, .alan = "SEC", .sunulan = false, .agirlik = 1, .cins = C::OnayKutusu},
        {.baslik = "Sipariş Tarihi", .alan = "VERILISTARIHI", .agirlik = 1, .ozet = O::Adet},
        gizli("SIRANO", 0),
        kapali("Sipariş No", "SIPARISNO", 0),
        gizli("CARINO", 0),
        kapali("Tarih", "TARIH"),
        gizli("AKTAR", 0),
        gizli("STOKNO", 0),
        {.baslik = "Barkod", .alan = "BARKOD", .agirlik = 2},
        {.baslik = "FinishKod", .alan = "FINISHKOD", .agirlik = 2},
        {.baslik = "OEMNo", .alan = "OEMNO", .agirlik = 2},
        {.baslik = "Stok Açıklama", .alan = "STOKADI", .agirlik = 3, .sarmala = true},
        {.baslik = "Miktar", .alan = "MIKTAR", .agirlik = 1, .ozet = O::Toplam},
        {.baslik = "Birim Fiyat", .alan = "BIRIMFIYAT", .agirlik = 1},
        {.baslik = "Tutar", .alan = "TUTAR", .agirlik = 1},
        {.baslik = "İndirim Oran", .alan = "INDIRIMYAZI", .agirlik = 2, .hizalama = Qt::AlignCenter},
        {.baslik = "İndirim Oranı %", .alan = "INDIRIMORANI1", .gorunur = false, .sunulan = false},
        gizli("INDIRIMORANI2"),
        gizli("INDIRIMORANI3"),
        {.baslik = "İndirim Tutar", .alan = "INDIRIMTUTAR", .gorunur = false, .sunulan = false},
        {.baslik = "Net Fiyat", .alan = "NETBIRIMFIYAT", .agirlik = 1},
        {.alan = "KDV", .agirlik = 1},
        {.baslik = "Vergi Tutarı", .alan = "VERGITUTARI", .agirlik = 1},
        {.baslik = "Net Tutar", .alan = "NETTUTAR", .agirlik = 1, .ozet = O::Toplam},
        kapali("Kur", "KUR"),
        gizli("KURTL"),
        gizli("VERENIDNO"),
        kapali("Saat", "SAAT"),
        gizli("TESLIMID"),
        gizli("KARGOID"),
        kapali("Açıklama", "ACIKLAMA"),
        gizli("IDNO"),
        gizli("VERENSIRANO"),
        {.baslik = "Veren", .alan = "VEREN", .agirlik = 1},
        {.baslik = "Cari Kod", .alan = "CARIKOD", .gorunur = false, .sunulan = false},
        {.baslik = "Cari Adı", .alan = "CARIADI", .gorunur = false, .sunulan = false},
        {.alan = "OEM1", .gorunur = false},
        {.alan = "OEM2", .gorunur = false},
        {.alan = "OEM3", .gorunur = false},
        {.alan = "OEM4", .gorunur = false},
        gizli("STOK_STOKNO"),
        gizli("URETICIKODU"),
        {.alan = "DIGERADI", .gorunur = false},
        {.alan = "DPKOD", .gorunur = false},
        kapali("Marka", "MARKA"),
        kapali("Model", "MODEL"),
        kapali("Ana Grup", "ANAGRUP"),
        kapali("Özel Kod", "OZELKOD"),
        {.alan = "PKOD", .gorunur = false},
        {.baslik = "Durum", .alan = "DURUM", .gorunur = durum, .sunulan = durum, .cins = C::DurumSimgesi},
        {.baslik = "Kalan", .alan = "KALAN", .gorunur = kalan, .sunulan = kalan},
        {.alan = "INDIRIMORANI4", .gorunur = false, .agirlik = 0},
    };
}

} // namespace rvz::sepet
