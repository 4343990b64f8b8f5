// The "Sepet" tab: the basket grid over the main window's `sepet`, the selection, the
// deletions, the totals of the selected lines, the overdue warning and "Gönder".
#pragma once

#include "baglanti.h"
#include "baglantiu.h"
#include "kullanici_tipi.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rvz {
class TIzgara;
class TVeriSeti;
} // namespace rvz

namespace rvz::app {
class SekmeYukleyici;
}

namespace rvz::sepet {

struct SepetSekmesiBaglami {
    app::TBaglanti* bagc = nullptr;
    TSonucBilgisi* sbilgi = nullptr;
    TVeriSeti* sepet = nullptr;
    QLineEdit* araedit = nullptr; // focused again after a selection change
    QWidget* gosterge = nullptr;  // visible while the basket loads
    std::function<void(const QString&)> basligiYaz;
};

class TSepetSekmesi : public QWidget {
    Q_OBJECT
public:
    TSepetSekmesi(SepetSekmesiBaglami baglam, QWidget* ust = nullptr);

    void KurallariUygula(const app::KullaniciTipiKurallari& kurallar);

    // Showing the tab: the overdue warning on its own thread, the basket in the background.
    void Goster();
    bool Yukleniyor() const;
    // While the tab's load runs: lets events pass until it has finished.
    void YuklemeyiBekle();
    // SepetiGetir on the user-interface thread, then the totals. While the tab's own load runs,
    // one more load is asked for instead (the dataset is being written by its worker).
    void SepetiGetir();

    void SepetToplamlariYaz();
    void SecimleriAyarla(int secim); // "Hepsini Seç" (1), "Seçimleri Kaldır" (0)
    void SatirSil();
    void HepsiniSil();
    void Gonder();
    void CariBakiyeUyariBak();

    TIzgara* Izgara() const { return sepetgrid_; }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

signals:
    // A line to open in change mode, by its SIRANO.
    void SatirDegistirIstendi(int sirano);

private:
    QWidget* AltBolumYap();
    void CiftTiklama(int satir);
    void SatirDegistir();
    bool OdakSatiraGit();
    void MenuGoster(const QPoint& konum);
    void YuklemeBitti();
    // The screen-width rule for the columns, then each at least as wide as its content.
    void Sigdir();

    SepetSekmesiBaglami b_;
    TIzgara* sepetgrid_;
    app::SekmeYukleyici* yukleyici_;
    QPushButton* hepsiniSec_ = nullptr;
    QPushButton* secimleriKaldir_ = nullptr;
    QLabel* lbluyarbakiye_ = nullptr;
    QLabel *aratoplaml_ = nullptr, *indiriml_ = nullptr, *nettutarl_ = nullptr, *vergil_ = nullptr,
           *geneltoplaml_ = nullptr;
};

} // namespace rvz::sepet
