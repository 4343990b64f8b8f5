#include "kullanici_tipi.h"

namespace rvz::app {

KullaniciTipiKurallari KurallariVer(int musteriTipi) {
    KullaniciTipiKurallari k;
    switch (musteriTipi) {
    case 1:
    case 2:
        k.baskaCariSec = true;
        k.raporlar = true;
        k.satisSutunlari = true;
        k.birimFiyatYazar = true;
        k.ilkFiyat = musteriTipi == 2;
        k.fiyatDegistir = musteriTipi == 2;
        break;
    case 3:
        k.sepetDurumGizli = true;
        break;
    case 4:
        k.kampanyaGizli = true;
        break;
    default:
        break;
    }
    return k;
}

} // namespace rvz::app
