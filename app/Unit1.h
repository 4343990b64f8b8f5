// TForm1: the main window. Its frame (header, search bar, tabs, legend, notice bar), the
// general menu, the start-up sequence with the login, the user-type rules and leaving.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"
#include "kullanici_tipi.h"
#include "veriseti.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace rvz::katalog {
class TStokListesi;
class TUrunListesiSekmesi;
} // namespace rvz::katalog
namespace rvz::sepet {
class TKartAcici;
class TSepetSekmesi;
} // namespace rvz::sepet

namespace rvz {
class TKayanResim;
class TKayanYazi;
} // namespace rvz

namespace rvz::app {

class BeklemeGostergesi;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // The start-up sequence from the login on. False when the login did not succeed: the
    // process has then been ended (in tests, whose ending returns, the window stays hidden).
    bool Baslat();

    // Shows the login modally with the connection and the session record; applies the rules.
    bool GirisYap();
    void KullaniciTipiUygula(int musteriTipi);
    // Writes the header labels from the session record (user-interface thread).
    void AnaBilgiAl();

    TSonucBilgisi sbilgi;
    TBaglanti bagc;
    // The stock search result and the local copy of the active dealer's basket.
    TVeriSeti stok;
    TVeriSeti sepet;
    // The new items and the items on campaign.
    TVeriSeti YENILER;
    TVeriSeti kampstok;
    int acilisadet = 0;

    // The tabs, in order; the index of each in the tab widget.
    enum Sekme {
        sstoklistesi,
        ssepet,
        sonceki,
        sccariekstre,
        syeniler,
        skampanyali,
        sTabSheetduyuru,
        sTabbakiyeler,
        ss,
        kSekmeSayisi
    };
    QTabWidget* Sekmeler() const { return sekmeler_; }
    QWidget* SekmeSayfasi(Sekme s) const { return sayfalar_[s]; }
    BeklemeGostergesi* Gosterge(int i) const { return gostergeler_[static_cast<std::size_t>(i)]; }
    QMenu* GenelMenu() const { return menu_; }
    TKayanYazi* KayanYazi() const { return kayanYazi_; }
    QAction* WebSitesi1() const { return webSitesi_; }
    QAction* Raporlar() const { return raporlar_; }
    QPushButton* BaskaCariSec() const { return baskaCari_; }
    QLineEdit* AramaKutusu() const { return araedit; }
    const KullaniciTipiKurallari& Kurallar() const { return kurallar_; }
    katalog::TStokListesi* StokListesi() const { return stokListesi_; }
    sepet::TSepetSekmesi* SepetSekmesi() const { return sepetSekmesi_; }
    katalog::TUrunListesiSekmesi* Yeniler() const { return yeniler_; }
    katalog::TUrunListesiSekmesi* Kampanyalilar() const { return kampanyalilar_; }

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    QWidget* BaslikYap();
    QWidget* AramaCubuguYap();
    QWidget* DuyuruCubuguYap();
    void SekmeleriYap();
    // The stock list and the basket in their tabs, with the search bar and the item card wired.
    void SiparisYolunuKur();
    void UrunListeleriniKur();
    void MenuYap();
    void WebSitesiAc();
    // "Başka Cari Seç": the customer selection, then the header, the basket and the stock tab
    // of whichever dealer is active afterwards.
    void CariDegistir();
    void AcilisIsleriniBaslat();
    // The news line (worker thread, its own connection).
    void KayanYaziAl(const BaglantiParametreleri& ayarlar);

    KullaniciTipiKurallari kurallar_;
    QLabel* kullaniciDegeri_;
    QLabel* firmaDegeri_;
    QLabel* temsilciDegeri_;
    QLabel* baslikBanner_;
    QLabel* ustBanner_;
    TKayanYazi* kayanYazi_;
    TKayanResim* altBanner_;
    QLineEdit* araedit;
    QPushButton* ara_;
    QPushButton* temizle_;
    QPushButton* baskaCari_;
    std::array<BeklemeGostergesi*, 7> gostergeler_{};
    QTabWidget* sekmeler_;
    std::array<QWidget*, kSekmeSayisi> sayfalar_{};
    QToolButton* menuTusu_;
    QMenu* menu_;
    QAction* webSitesi_;
    QAction* raporlar_;
    katalog::TStokListesi* stokListesi_ = nullptr;
    sepet::TSepetSekmesi* sepetSekmesi_ = nullptr;
    katalog::TUrunListesiSekmesi* yeniler_ = nullptr;
    katalog::TUrunListesiSekmesi* kampanyalilar_ = nullptr;
    std::unique_ptr<sepet::TKartAcici> kartAcici_;
};

} // namespace rvz::app
