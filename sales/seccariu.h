// Tseccari ("Cari Seçimi"): a sales representative finds a dealer by text or by the state of its
// basket and orders, sees its contact and balance data, and makes it the session's dealer.
//
// Every remote call runs in the background on a connection of its own; the window stays usable
// and shows the newest listing it asked for. An error shows its text; the grid, the panel and
// the captions then keep what they had.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"

#include <QDialog>

#include <functional>
#include <memory>

class QHBoxLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace rvz {
class TIzgara;
class TVeriSeti;
} // namespace rvz

namespace rvz::sales {

class TCariBilgileri;
struct CagriOrtami;

class Tseccari : public QDialog {
    Q_OBJECT
public:
    // The window works on `bag`'s settings and changes `bilgim` in place when a dealer is chosen.
    Tseccari(app::TBaglanti& bag, TSonucBilgisi& bilgim, QWidget* ust = nullptr);
    ~Tseccari() override;

    // The counts on the state buttons; each caption is written when its answer arrives.
    void SepetSayisiYaz();
    void TusSonuclari();

    // Lists the dealers matching the search box, or those in order state `n` (1 … 7).
    void CariListele();
    void DurumaGoreListele(int n);

    // Makes the focused row's dealer the session's and closes with OK; does nothing without a
    // focused row or for a row whose CARINO is not above 0.
    void CariSec();

    // The rows shown (replaced by every listing).
    TVeriSeti& CARILER() { return *cariler_; }
    // Background calls still out (listings and counts).
    int BekleyenCagri() const { return bekleyen_; }

    TIzgara* Izgara() const { return izgara_; }
    QLineEdit* AramaKutusu() const { return NEdit1; }
    TCariBilgileri* BilgiPaneli() const { return bilgiler_; }
    QMenu* AcilirMenu() const { return menu_; }
    QToolButton* DurumTusu(const char* ad) const;

private:
    CagriOrtami Ortam() const;
    // Runs `is` on a worker; `bitince` gets its result on this thread if the window still exists.
    template <class Sonuc, class Is, class Bitince> void Arkada(Is is, Bitince bitince);
    void Listele(std::function<std::unique_ptr<TVeriSeti>(const CagriOrtami&)> is);
    void ListeyiAl(std::unique_ptr<TVeriSeti> yeni);
    void OdakDegisti();
    // The parts of the window, top to bottom.
    QHBoxLayout* TusCubuguYap();
    QLineEdit* AramaKutusuYap();
    QWidget* OrtaYap(); // the grid and the information panel
    QHBoxLayout* AltCubukYap();
    void MenuYap();

    app::TBaglanti& bag;
    TSonucBilgisi& bilgim;
    std::unique_ptr<TVeriSeti> cariler_;
    int sonListe_ = 0; // number of the newest listing asked for
    int bekleyen_ = 0;

    QLineEdit* NEdit1;
    TIzgara* izgara_;
    TCariBilgileri* bilgiler_;
    QScrollArea* bilgiAlani_;
    QMenu* menu_;
    QPushButton* sec_;
    QPushButton* vazgec_;
};

} // namespace rvz::sales
