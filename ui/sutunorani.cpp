#include "sutunorani.h"

#include "izgara.h"

#include <QHeaderView>
#include <QTableView>

namespace rvz {

int SutunlariOranla(QHeaderView& baslik, const std::vector<TIzgaraSutunu>& sutunlar, int genislik) {
    const int adet = std::min(baslik.count(), static_cast<int>(sutunlar.size()));
    int toplam = 0;
    for (int i = 0; i < adet; ++i)
        if (!baslik.isSectionHidden(i))
            toplam += sutunlar[static_cast<std::size_t>(i)].agirlik;
    if (toplam <= 0)
        return 0;
    const int birim = std::max(0, (genislik - 30) / toplam);
    for (int i = 0; i < adet; ++i)
        if (!baslik.isSectionHidden(i))
            baslik.resizeSection(i, sutunlar[static_cast<std::size_t>(i)].agirlik * birim);
    return birim;
}

int SutunlariOranla(TIzgara& izgara, int genislik) {
    izgara.Tablo()->setUpdatesEnabled(false);
    const int birim = SutunlariOranla(*izgara.Baslik(), izgara.Sutunlar(), genislik);
    izgara.Tablo()->setUpdatesEnabled(true);
    return birim;
}

void SutunlariEkranaGoreSigdir(TIzgara& izgara, int ekranGenisligi) {
    if (ekranGenisligi > kGenisEkranSiniri)
        SutunlariOranla(izgara, izgara.width());
    else
        izgara.IcerigeSigdir();
}

} // namespace rvz
