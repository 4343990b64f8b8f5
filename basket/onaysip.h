// TONAYSIP, "Sipariş Onay": who orders for which dealer and how much, the delivery type, the
// cargo type and firm and a note; "Evet" accepts only a complete choice.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QVBoxLayout;

namespace rvz::sepet {

class TONAYSIP : public QDialog {
    Q_OBJECT
public:
    // `Ac`: the main window, the main connection, the overdue warning, the session record and
    // the general total as shown.
    TONAYSIP(QWidget* AOwner, app::TBaglanti& _c, const QString& mesaj, const TSonucBilgisi& _sbilgi,
             const QString& _toplam);

    // The choices, set when "Evet" passes its checks.
    int td = 0;
    int kt = 0;
    int KN = 0;
    QString Aciklama() const;

    // Fills the firm list for a cargo type (also what a click on a cargo type does).
    void KargoFirmalariniGetir(int kargoTuru);
    void Evet();

private:
    void TeslimVeKargoTurleriniGetir();
    void FirmaDegisti();
    QGroupBox* RadyoGrubu(const char* baslik, const char* ad, QButtonGroup*& grup, QVBoxLayout*& duzen);

    app::TBaglanti& bagc_;
    TSonucBilgisi sbilgi_;
    QString toplam_;
    QButtonGroup* teslim_ = nullptr;
    QVBoxLayout* teslimDuzeni_ = nullptr;
    QButtonGroup* kargoTurleri_ = nullptr;
    QVBoxLayout* kargoTurDuzeni_ = nullptr;
    QComboBox* kargocombo_;
    QLabel* uyarikargo_;
    QPlainTextEdit* aciklamagir_;
    struct Firma {
        QString adi;
        int sirano = 0;
        QString uyari;
    };
    std::vector<Firma> kargo_;
};

// SiparisKaydet on the main connection; true when the server reports the order saved.
bool SiparisiKaydet(app::TBaglanti& bagc, const TSonucBilgisi& sbilgi, int kargoFirmasi, int kargoTuru,
                    const QString& aciklama, int teslim);

} // namespace rvz::sepet
