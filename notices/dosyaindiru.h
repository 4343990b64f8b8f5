// Tdosyaindir: downloads the current setup program, shows the progress, starts the setup
// silently and ends this program so that the setup can replace it. Every path ends the process.
#pragma once

#include <QDialog>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QUrl>

#include <functional>

class QLabel;
class QNetworkReply;
class QProgressBar;

namespace rvz::notices {

class Tdosyaindir : public QDialog {
    Q_OBJECT
public:
    // `sunucuSurumu`: the version the server expects, shown beside the running one.
    Tdosyaindir(QWidget* owner, int sunucuSurumu);

    // The download address: the setup host fixed at build time (RUVIZEZEVUV_KURULUM_HOST in the
    // environment overrides it), path "/exe/RuvizezeVuvSetup.exe".
    static QUrl IndirmeAdresi();
    // Where the setup is saved: the local application-data folder.
    static QString HedefYol();

    // Starting the saved setup; tests put their own in place. Answers whether it started.
    using KurulumBaslatici = std::function<bool(const QString& yol, const QStringList& argumanlar)>;
    static KurulumBaslatici KurulumBaslaticiAta(KurulumBaslatici baslatici);

    bool Basladi() const { return basladi; }

    // "Bilgi: %50,00  İndirilen: 1,00/2,00 Mb" in the current locale; empty when `toplam` is unknown.
    static QString IlerlemeMetni(qint64 alinan, qint64 toplam);

protected:
    void showEvent(QShowEvent* olay) override;
    void changeEvent(QEvent* olay) override;

private:
    void IndirBaslat();
    void Ilerleme(qint64 alinan, qint64 toplam);
    void Bitti();
    void KurulumuCalistir(const QString& yol);
    void HataVeBitir(const QString& hata);

    QLabel* mesaj_;
    QLabel* bilgi;
    QProgressBar* ProgressBar1;
    QNetworkAccessManager ag_;
    QPointer<QNetworkReply> cevap_;
    QUrl adres_;
    bool basladi = false;
};

} // namespace rvz::notices
