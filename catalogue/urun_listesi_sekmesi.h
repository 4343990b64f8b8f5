// A tab that lists items without a search ("Yeni Stoklar", "Kampanyalı Stoklar"): loaded in the
// background every time it is shown, a double click asks for the item card.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"
#include "dbx.h"
#include "izgarasutunu.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace rvz {
class TIzgara;
class TVeriSeti;
class TServerMethods1Client;
} // namespace rvz

namespace rvz::app {
class SekmeYukleyici;
}

namespace rvz::katalog {

struct UrunListesiBaglami {
    const app::TBaglanti* bagc = nullptr;
    const TSonucBilgisi* sbilgi = nullptr; // copied when a load starts
    TVeriSeti* veri = nullptr;
    QWidget* gosterge = nullptr;
    QString baslik; // the caption after "N="
    // Worker thread: the list's data packet from the server for the session copy.
    std::function<OleVariant(TServerMethods1Client&, const TSonucBilgisi&)> getir;
    std::function<void(const QString&)> basligiYaz;
};

class TUrunListesiSekmesi : public QWidget {
    Q_OBJECT
public:
    TUrunListesiSekmesi(UrunListesiBaglami baglam, std::vector<TIzgaraSutunu> sutunlar,
                        QWidget* ust = nullptr);

    void SutunlariAta(std::vector<TIzgaraSutunu> sutunlar);
    void Goster();
    bool Yukleniyor() const;
    TIzgara* Izgara() const { return izgara_; }

signals:
    void KartIstendi(int satir);

protected:
    void resizeEvent(QResizeEvent* olay) override;

private:
    UrunListesiBaglami b_;
    TIzgara* izgara_;
    app::SekmeYukleyici* yukleyici_;
};

} // namespace rvz::katalog
