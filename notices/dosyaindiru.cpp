#include "dosyaindiru.h"

#include "mesaj.h"
#include "surec.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkReply>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace rvz::notices {

namespace {

constexpr int kSurum = RVZ_SURUM;
constexpr int kZamanAsimi = 60000; // connect and response, in milliseconds
const char* const kDosyaAdi = "RuvizezeVuvSetup.exe";

Tdosyaindir::KurulumBaslatici baslatici_; // empty: the system starts the setup

} // namespace

Tdosyaindir::KurulumBaslatici Tdosyaindir::KurulumBaslaticiAta(KurulumBaslatici baslatici) {
    return std::exchange(baslatici_, std::move(baslatici));
}

QUrl Tdosyaindir::IndirmeAdresi() {
    QString host = qEnvironmentVariable("RUVIZEZEVUV_KURULUM_HOST");
    if (host.isEmpty())
        host = QStringLiteral(RVZ_KURULUM_HOST);
    return QUrl(QStringLiteral("http://") + host + QStringLiteral("/exe/") + QLatin1String(kDosyaAdi));
}

QString Tdosyaindir::HedefYol() {
    const QString klasor = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(klasor);
    return QDir(klasor).filePath(QLatin1String(kDosyaAdi));
}

QString Tdosyaindir::IlerlemeMetni(qint64 alinan, qint64 toplam) {
    if (toplam <= 0)
        return {};
    QLocale yerel;
    yerel.setNumberOptions(QLocale::OmitGroupSeparator);
    const double yuzde = static_cast<double>(alinan) / static_cast<double>(toplam) * 100.0;
    const double mb = 1024.0 * 1024.0;
    return QStringLiteral("Bilgi: %") +
           QStringLiteral("%1  İndirilen: %2/%3")
               .arg(yerel.toString(yuzde, 'f', 2), yerel.toString(static_cast<double>(alinan) / mb, 'f', 2),
                    yerel.toString(static_cast<double>(toplam) / mb, 'f', 2)) +
           QStringLiteral(" Mb");
}

Tdosyaindir::Tdosyaindir(QWidget* owner, int sunucuSurumu) : QDialog(owner), adres_(IndirmeAdresi()) {
    setObjectName(QStringLiteral("dosyaindir"));
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setWindowFlag(Qt::Tool);
    setFixedSize(543, 309);

    mesaj_ =
        new QLabel(QStringLiteral("Parlavik Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\n"
                                  "Lütfen Bekleyiniz...!\r\nVersion: ") +
                       QString::number(sunucuSurumu) + QLatin1Char('-') + QString::number(kSurum),
                   this);
    mesaj_->setObjectName(QStringLiteral("mesaj"));
    mesaj_->setAlignment(Qt::AlignCenter);
    mesaj_->setWordWrap(true);
    QFont yazi(QStringLiteral("Tahoma"));
    yazi.setPixelSize(27);
    mesaj_->setFont(yazi);
    mesaj_->setStyleSheet(QStringLiteral("color: rgb(67, 76, 88);"));

    auto* alt = new QWidget(this);
    alt->setFixedHeight(58);
    bilgi = new QLabel(QStringLiteral("bilgi"), alt);
    bilgi->setObjectName(QStringLiteral("bilgi"));
    QFont kalin = bilgi->font();
    kalin.setBold(true);
    bilgi->setFont(kalin);
    ProgressBar1 = new QProgressBar(alt);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    auto* altDuzen = new QVBoxLayout(alt);
    altDuzen->setContentsMargins(8, 4, 8, 6);
    altDuzen->addWidget(bilgi);
    altDuzen->addWidget(ProgressBar1);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(mesaj_, 1);
    duzen->addWidget(alt);

    if (auto* ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    ag_.setCookieJar(nullptr);
}

void Tdosyaindir::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    // Some platforms never report activation; being shown is enough to begin.
    QTimer::singleShot(0, this, &Tdosyaindir::IndirBaslat);
}

void Tdosyaindir::changeEvent(QEvent* olay) {
    QDialog::changeEvent(olay);
    if (olay->type() == QEvent::ActivationChange && isActiveWindow())
        IndirBaslat();
}

void Tdosyaindir::IndirBaslat() {
    if (basladi)
        return;
    basladi = true;
    QFile::remove(HedefYol());

    QNetworkRequest istek(adres_);
    istek.setTransferTimeout(kZamanAsimi);
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    istek.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    istek.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    istek.setRawHeader(
        "Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
    // Accept-Encoding is left to the network layer, which then also decompresses the answer.
    istek.setRawHeader("Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    istek.setRawHeader("User-Agent",
                       "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like "
                       "Gecko) Chrome/60.0.3112.32 Safari/537.36");
    cevap_ = ag_.get(istek);
    connect(cevap_, &QNetworkReply::downloadProgress, this, &Tdosyaindir::Ilerleme);
    connect(cevap_, &QNetworkReply::finished, this, &Tdosyaindir::Bitti);
}

void Tdosyaindir::Ilerleme(qint64 alinan, qint64 toplam) {
    // Only an announced length counts: at the end of an unannounced body the network layer
    // reports what arrived as the total, which would show a finished bar for nothing known.
    if (cevap_ && !cevap_->header(QNetworkRequest::ContentLengthHeader).isValid())
        return;
    const QString metin = IlerlemeMetni(alinan, toplam);
    if (metin.isEmpty())
        return;
    bilgi->setText(metin);
    // The bar counts in kilobytes so that files beyond 2 GiB still fit its range.
    ProgressBar1->setMaximum(static_cast<int>(toplam / 1024 + 1));
    ProgressBar1->setValue(static_cast<int>(alinan / 1024));
}

void Tdosyaindir::Bitti() {
    cevap_->deleteLater();
    // An HTTP error status counts as an error too: an error page must never be started as the setup.
    if (cevap_->error() != QNetworkReply::NoError) {
        HataVeBitir(cevap_->errorString());
        return;
    }
    const QByteArray veri = cevap_->readAll();
    const QString yol = HedefYol();
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly | QIODevice::Truncate) || dosya.write(veri) != veri.size()) {
        HataVeBitir(dosya.errorString());
        return;
    }
    dosya.close();
    KurulumuCalistir(yol);
}

void Tdosyaindir::HataVeBitir(const QString& hata) {
    app::MesajVer(QStringLiteral("Hata Oluştu !\r\nHata: ") + hata, app::mtHata, app::kTamamTusu,
                  app::mbTamam);
    app::SurecBitir(0);
    reject();
}

void Tdosyaindir::KurulumuCalistir(const QString& yol) {
    QFile::setPermissions(yol, QFile::permissions(yol) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    const QStringList argumanlar{QStringLiteral("/silent")};
    // A setup that cannot be started is not reported; the program ends all the same.
    if (baslatici_)
        baslatici_(yol, argumanlar);
    else
        QProcess::startDetached(yol, argumanlar);
    app::SurecBitir(0);
    accept();
}

} // namespace rvz::notices
