// Tgirisform: the login. Fetches the session record registered for this machine, checks the
// typed user name and password against it, remembers them, and sends the user on: into the
// program, to the customer selection (sales representatives), to the setup download (outdated
// program) or to the web request form (unknown machine).
#pragma once

#include "baglanti.h"
#include "baglantiu.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rvz::app {

class BeklemeGostergesi;

class Tgirisform : public QDialog {
    Q_OBJECT
public:
    Tgirisform(TBaglanti& bagim, TSonucBilgisi& Bilgim);

    // The customer selection of a sales representative; answers whether a dealer was chosen.
    // The window that offers it installs itself here.
    using CariSecici = std::function<bool(TBaglanti&, TSonucBilgisi&)>;
    static CariSecici CariSeciciAta(CariSecici secici);

    // The web request form's address for this machine.
    static QString IstekAdresi(const QString& idsi);
    // The machine's external address; always the loopback address.
    static QString DisIpAl();

    void AyarOku();
    void AyarKaydet();
    // Starts the login as the "Giriş" button does; ignored while one runs.
    void Giris();
    bool GirisSuruyor() const { return suruyor_; }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;

private:
    void Devamet(const QString& adres);
    // Worker thread: the session record registered for `idsi`, into `Bilgim`; false when there is
    // none or the server cannot be reached.
    static bool GirisBilgisiAl(const BaglantiParametreleri& ayarlar, const QString& idsi,
                               const QString& disIp, TSonucBilgisi& Bilgim);
    void Tamamla(bool bulundu);
    void Tekrar(); // back to idle after a message
    void YeniSurumIndir();
    void IstekFormuAc(const QString& adres);
    bool CariSecimiAc();
    void Vazgec();

    TBaglanti& bagim;
    TSonucBilgisi& Bilgim;
    QString idsi;
    QString disIp_;
    bool suruyor_ = false;

    QLineEdit* adi;
    QLineEdit* sifre;
    QCheckBox* benihatirla;
    QPushButton* giris_;
    QPushButton* vazgec_;
    BeklemeGostergesi* bekle_;
};

} // namespace rvz::app
