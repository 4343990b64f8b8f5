#include "liste_sutunlari.h"

#include "simgeler.h"
#include "veriseti.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace rvz::katalog {

namespace {

using C = SutunCinsi;

// The campaign icon for K = 1 and nothing otherwise.
void KampanyaVarsaCiz(QPainter& ressam, const QStyleOptionViewItem& secenek, const TVeriSeti& veri,
                      int satir) {
    const int k = veri.AlanNo("K");
    if (k < 0 || veri.Deger(satir, k).toInt() != 1)
        return;
    const QPixmap simge = KampanyaSimgesi(true);
    QRect alan(QPoint(0, 0), simge.deviceIndependentSize().toSize());
    alan.moveCenter(secenek.rect.center());
    ressam.drawPixmap(alan, simge);
}

// The columns both lists begin with, up to the stock number.
std::vector<TIzgaraSutunu> Bas() {
    return {
        {.baslik = "Oem1", .alan = "OEM1", .gorunur = false, .agirlik = 2, .ozet = OzetCinsi::Adet},
        {.baslik = "Oem2", .alan = "OEM2", .gorunur = false, .agirlik = 2},
        {.baslik = "Oem3", .alan = "OEM3", .gorunur = false, .agirlik = 2},
        {.baslik = "Barkod", .alan = "BARKOD", .agirlik = 2},
        {.baslik = "Açıklama", .alan = "ADI", .agirlik = 3, .sarmala = true},
        {.baslik = "Oem4", .alan = "OEM4", .gorunur = false, .agirlik = 2},
        {.alan = "STOK_STOKNO", .gorunur = false, .sunulan = false, .agirlik = 1},
    };
}

// From the producer code to VERILENSIPARIS, the same in both lists.
void Orta(std::vector<TIzgaraSutunu>& s, const app::KullaniciTipiKurallari& kurallar) {
    const bool satis = kurallar.satisSutunlari;
    const std::vector<TIzgaraSutunu> orta = {
        {.baslik = "Üretici Kod", .alan = "URETICIKODU", .gorunur = false, .agirlik = 2},
        {.alan = "BARKOD_BARKODNO", .gorunur = false, .sunulan = false, .agirlik = 1},
        {.baslik = "Diğer Adı", .alan = "DIGERADI", .gorunur = false, .agirlik = 3},
        {.alan = "DPKOD", .gorunur = false, .sunulan = false, .agirlik = 2},
        {.baslik = "Oem No", .alan = "OEMNO", .gorunur = false, .agirlik = 2},
        {.baslik = "Birim", .alan = "BIRIM", .agirlik = 1},
        {.baslik = "Marka", .alan = "MARKA", .agirlik = 2},
        {.baslik = "Model", .alan = "MODEL", .agirlik = 2},
        {.baslik = "Ana Grup", .alan = "ANAGRUP", .gorunur = false, .agirlik = 2},
        {.baslik = "Özel Kod", .alan = "OZELKOD", .gorunur = false, .agirlik = 2},
        {.alan = "KALAN", .gorunur = satis, .sunulan = satis, .agirlik = 1},
        {.alan = "PKOD", .gorunur = false, .sunulan = false, .agirlik = 1, .baslikGizli = true},
        {.alan = "KDV", .gorunur = false, .agirlik = 1},
        {.alan = "ALINANSIPARIS", .gorunur = satis, .sunulan = satis, .agirlik = 1},
        {.alan = "VERILENSIPARIS", .gorunur = satis, .sunulan = satis, .agirlik = 1},
    };
    s.insert(s.end(), orta.begin(), orta.end());
}

} // namespace

std::vector<TIzgaraSutunu> YeniSutunlari(const app::KullaniciTipiKurallari& kurallar) {
    const bool kamp = !kurallar.kampanyaGizli;
    auto s = Bas();
    s.push_back({.baslik = "Finish Kod", .alan = "FINISHKOD", .agirlik = 2});
    Orta(s, kurallar);
    const std::vector<TIzgaraSutunu> son = {
        {.baslik = "Liste Fiyatı2", .alan = "FIYAT", .gorunur = false, .agirlik = 2},
        {.baslik = "Kampanyalı",
         .alan = "K",
         .gorunur = kamp,
         .sunulan = kamp,
         .agirlik = 1,
         .cins = C::Cizim,
         .ciz = KampanyaVarsaCiz},
        {.baslik = "Liste Fiyatı", .alan = "LISTEFIYAT1", .agirlik = 2},
        {.baslik = "Kampanyalı Fiyatı", .alan = "KAMPFIYAT", .gorunur = kamp, .sunulan = kamp, .agirlik = 2},
        {.baslik = "Indirim Oran", .alan = "INDIRIMYAZI", .agirlik = 2, .hizalama = Qt::AlignCenter},
        {.baslik = "İndirim Oran", .alan = "INDIRIM", .gorunur = false, .sunulan = false, .agirlik = 1},
        {.baslik = "Net Fiyatı", .alan = "NETFIYAT", .agirlik = 2},
        {.baslik = "KDV Dahil Fiyat", .alan = "KDVDAHIL", .agirlik = 2},
    };
    s.insert(s.end(), son.begin(), son.end());
    return s;
}

std::vector<TIzgaraSutunu> KampanyaSutunlari(const app::KullaniciTipiKurallari& kurallar) {
    auto s = Bas();
    s.push_back({.baslik = "Resim", .alan = "RESIM", .agirlik = 1, .cins = C::ResimSimgesi});
    s.push_back({.baslik = "Finish Kod", .alan = "FINISHKOD", .agirlik = 2});
    Orta(s, kurallar);
    const std::vector<TIzgaraSutunu> son = {
        {.baslik = "Liste Fiyatı", .alan = "ESKIFIYAT", .agirlik = 2},
        {.baslik = "Kampanyalı Fiyatı", .alan = "FIYAT", .agirlik = 2},
        {.baslik = "Yeni", .alan = "Y", .agirlik = 1, .cins = C::YeniSimgesi},
        {.baslik = "Kampanyalı", .alan = "K", .agirlik = 1, .cins = C::KampanyaSimgesi},
        {.baslik = "İndirim Oran", .alan = "INDIRIM", .gorunur = false, .sunulan = false, .agirlik = 1},
        {.baslik = "İndirim Oran", .alan = "INDIRIMYAZI", .agirlik = 2, .hizalama = Qt::AlignCenter},
        {.baslik = "Net Fiyatı", .alan = "NETFIYAT", .agirlik = 2},
        {.baslik = "KDV Dahil Fiyat", .alan = "KDVDAHIL", .agirlik = 2},
        {.baslik = "Durum", .alan = "DURUM", .agirlik = 1, .cins = C::DurumSimgesi},
    };
    s.insert(s.end(), son.begin(), son.end());
    return s;
}

} // namespace rvz::katalog
