// The "Stok Listesi" tab: the stock grid over the main window's `stok` dataset, the search
// that fills it in the background and the two layouts of its columns.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"
#include "kullanici_tipi.h"

#include <QWidget>

#include <functional>

class QLineEdit;

namespace rvz {
class TIzgara;
class TVeriSeti;
} // namespace rvz

namespace rvz::katalog {

inline constexpr int kDarPencereSiniri = 1152;
inline const QString kStokListesi = QStringLiteral("Stok Listesi");

// What the list needs from the main window.
struct StokListesiBaglami {
    app::TBaglanti* bagc = nullptr;
    const TSonucBilgisi* sbilgi = nullptr;
    TVeriSeti* stok = nullptr;
    QLineEdit* araedit = nullptr;
    QWidget* gosterge = nullptr;                    // visible while a search runs
    std::function<void()> sekmeyiAc;                // makes the stock tab the active one
    std::function<void(const QString&)> basligiYaz; // the stock tab's caption
};

class TStokListesi : public QWidget {
    Q_OBJECT
public:
    TStokListesi(StokListesiBaglami baglam, QWidget* ust = nullptr);

    void KurallariUygula(const app::KullaniciTipiKurallari& kurallar);

    // Enter in the search box and "Ara".
    void Ara();
    // "Temizle".
    void Temizle();
    bool AramaSuruyor() const;

    // Wide layout above 1152 pixels of window width, narrow one otherwise.
    void StokSutunlariniAyarla(int pencereGenisligi);

    TIzgara* Izgara() const { return stokgrid_; }

signals:
    // Double click or "Sepete Ekle" on a row of `stok` (the dataset row).
    void KartIstendi(int satir);
    // "Siparişleri Göster" for the row's item.
    void SiparislerIstendi(int stokno);

protected:
    void resizeEvent(QResizeEvent* olay) override;

private:
    void MenuGoster(const QPoint& konum);
    void AramaBitti(bool basarisiz);

    StokListesiBaglami b_;
    TIzgara* stokgrid_;
};

} // namespace rvz::katalog
