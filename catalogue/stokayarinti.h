// Tstokayarinti, the item card "Sepete Ekle": picture, codes, prices, the quantity and the
// line total. It only shows and takes the quantity; the caller adds or changes the line.
#pragma once

#include "kart_bilgisi.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace rvz::app {
class TBaglanti;
}

namespace rvz::katalog {

class Tstokayarinti : public QDialog {
    Q_OBJECT
public:
    Tstokayarinti(app::TBaglanti& bagc, QWidget* ust = nullptr);

    // Fills the card (picture first).
    void Doldur(const KartBilgisi& bilgi);
    // ResimVer5 on the main connection; a short or empty stream keeps the default picture.
    void StokResmiYukle(int stokno);

    void TutarHesapla();
    void TutarYenile();

    // The quantity field's text as a number; nothing when it is empty or not a number.
    std::optional<int> Adet() const;
    double BirimFiyat() const { return birimFiyatDegeri_; }
    bool ResimYuklendi() const { return resimYuklendi_; }

    void accept() override;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void showEvent(QShowEvent* olay) override;

private:
    QLineEdit* TutarAlani(const char* ad);
    static double AlanDegeri(const QLineEdit* alan);

    app::TBaglanti& bagc_;
    QLabel *barkod_, *adi_, *finishkod_, *marka_, *model_;
    QLabel* resim_;
    QSpinBox* adet_;
    QLabel* fiyatBasligi_;
    QLabel* indirimoran_;
    QLineEdit *birimfiyat_, *indtutar_, *kdvdahiltutar_, *geneltutar_;
    double kdvlifiyat_ = 0;
    double birimFiyatDegeri_ = 0;
    bool resimYuklendi_ = false;
};

} // namespace rvz::katalog
