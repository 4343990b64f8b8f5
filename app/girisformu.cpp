#include "girisformu.h"

#include "ayar_dosyasi.h"
#include "baglanti_ac.h"
#include "bekleme_gostergesi.h"
#include "beklesinu.h"
#include "dosyaindiru.h"
#include "formistekyeniu.h"
#include "makine_kimligi.h"
#include "mesaj.h"
#include "proxim.h"
#include "sunucu_adresi.h"
#include "surec.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

namespace rvz::app {

namespace {

constexpr int kSurum = RVZ_SURUM;
const QString kBolum = QStringLiteral("kullanici");

Tgirisform::CariSecici secici_; // empty: no customer selection in this build

// Letters typed into the boxes become capitals.
class BuyukHarf : public QObject {
public:
    using QObject::QObject;
    static void Bagla(QLineEdit* kutu) {
        QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu](const QString& metin) {
            const QString buyuk = metin.toUpper();
            if (buyuk == metin)
                return;
            const int imlec = kutu->cursorPosition();
            kutu->setText(buyuk);
            kutu->setCursorPosition(imlec);
        });
    }
};

QLabel* Etiket(const QString& metin, QWidget* ust) {
    auto* e = new QLabel(metin, ust);
    e->setObjectName(QStringLiteral("girisEtiketi"));
    return e;
}

} // namespace

Tgirisform::CariSecici Tgirisform::CariSeciciAta(CariSecici secici) {
    return std::exchange(secici_, std::move(secici));
}

QString Tgirisform::DisIpAl() {
    return QStringLiteral("127.0.0.1");
}

QString Tgirisform::IstekAdresi(const QString& idsi) {
    return QStringLiteral("http://") + QString::fromStdString(SunucuAdresiAl().host) +
           QStringLiteral("/formmailgonder.aspx?carino=0&kullanici= &id=") + idsi;
}

Tgirisform::Tgirisform(TBaglanti& bagim_, TSonucBilgisi& Bilgim_)
    : QDialog(nullptr), bagim(bagim_), Bilgim(Bilgim_), idsi(BilgisayarIdAl()) {
    setObjectName(QStringLiteral("girisform"));
    setWindowTitle(QStringLiteral("Giriş"));
    setFixedSize(368, 550);

    auto* iletisim = new QLabel(QStringLiteral("Parlavik Otomotiv Yedek Parça San. ve Tic. A.Ş.\n"
                                               "Tel: 0 (216) 555 40 40  ·  b2b@parlavik.com.tr\n"
                                               "Hafta içi 08:30 – 18:00"),
                                this);
    iletisim->setObjectName(QStringLiteral("iletisim"));
    iletisim->setAlignment(Qt::AlignCenter);

    adi = new QLineEdit(this);
    adi->setObjectName(QStringLiteral("adi"));
    adi->setAccessibleName(QStringLiteral("Kullanıcı Adı"));
    sifre = new QLineEdit(this);
    sifre->setObjectName(QStringLiteral("sifre"));
    sifre->setAccessibleName(QStringLiteral("Şifre"));
    sifre->setEchoMode(QLineEdit::Password);
    sifre->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    BuyukHarf::Bagla(adi);
    BuyukHarf::Bagla(sifre);
    adi->installEventFilter(this);
    sifre->installEventFilter(this);

    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setChecked(true);

    giris_ = new QPushButton(QStringLiteral("Giriş"), this);
    giris_->setObjectName(QStringLiteral("giris"));
    giris_->setAutoDefault(false);
    vazgec_ = new QPushButton(QStringLiteral("Vazgeç"), this);
    vazgec_->setObjectName(QStringLiteral("vazgec"));
    vazgec_->setAutoDefault(false);
    connect(giris_, &QPushButton::clicked, this, &Tgirisform::Giris);
    connect(vazgec_, &QPushButton::clicked, this, &Tgirisform::Vazgec);

    bekle_ = new BeklemeGostergesi(this);
    bekle_->setObjectName(QStringLiteral("bekle"));
    bekle_->hide();

    auto* baslik = new QLabel(QStringLiteral("Parlavik Otomotiv\nB2B"), this);
    baslik->setObjectName(QStringLiteral("girisBasligi"));
    baslik->setAlignment(Qt::AlignCenter);

    auto* kutular = new QGridLayout;
    kutular->setVerticalSpacing(6);
    kutular->addWidget(Etiket(QStringLiteral(" Kullanıcı Adı:"), this), 0, 0);
    kutular->addWidget(adi, 1, 0);
    kutular->addWidget(Etiket(QStringLiteral(" Şifre:"), this), 2, 0);
    kutular->addWidget(sifre, 3, 0);
    kutular->addWidget(benihatirla, 4, 0);
    auto* tuslar = new QHBoxLayout;
    tuslar->addWidget(bekle_);
    tuslar->addStretch();
    tuslar->addWidget(vazgec_);
    tuslar->addWidget(giris_);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(34, 40, 34, 22);
    duzen->addWidget(baslik);
    duzen->addStretch(2);
    duzen->addLayout(kutular);
    duzen->addSpacing(12);
    duzen->addLayout(tuslar);
    duzen->addStretch(3);
    duzen->addWidget(iletisim);
    // The contact lines may use the whole width, not only the column of the boxes.
    iletisim->setContentsMargins(-20, 0, -20, 0);

    if (auto* ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    adi->setFocus();
    AyarOku();
}

void Tgirisform::paintEvent(QPaintEvent*) {
    // The distributor's artwork: a dark blue field with a lighter band behind the boxes.
    QPainter p(this);
    QLinearGradient zemin(0, 0, 0, height());
    zemin.setColorAt(0, QColor(24, 46, 82));
    zemin.setColorAt(0.55, QColor(38, 74, 128));
    zemin.setColorAt(1, QColor(20, 36, 64));
    p.fillRect(rect(), zemin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 255, 255, 235));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(20, 150, width() - 40, 250), 10, 10);
    p.setBrush(QColor(229, 57, 53));
    p.drawRect(QRectF(0, 128, width(), 4));
}

void Tgirisform::AyarOku() {
    AyarDosyasi ayar(AyarDosyasi::VarsayilanYol());
    if (!QFile::exists(ayar.Yol()) || !ayar.Oku())
        return;
    benihatirla->setChecked(ayar.Deger(kBolum, QStringLiteral("hatırla"), QStringLiteral("1")) !=
                            QLatin1String("0"));
    if (benihatirla->isChecked()) {
        adi->setText(ayar.Deger(kBolum, QStringLiteral("isim"), {}));
        sifre->setText(ayar.Deger(kBolum, QStringLiteral("sifre"), {}));
    }
}

void Tgirisform::AyarKaydet() {
    AyarDosyasi ayar(AyarDosyasi::VarsayilanYol());
    ayar.Oku();
    ayar.Ata(kBolum, QStringLiteral("isim"), adi->text());
    ayar.Ata(kBolum, QStringLiteral("sifre"), sifre->text());
    ayar.Ata(kBolum, QStringLiteral("hatırla"),
             benihatirla->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    ayar.Kaydet();
}

bool Tgirisform::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() != QEvent::KeyPress || (nesne != adi && nesne != sifre))
        return QDialog::eventFilter(nesne, olay);
    const auto tus = static_cast<QKeyEvent*>(olay)->key();
    if (tus != Qt::Key_Return && tus != Qt::Key_Enter)
        return QDialog::eventFilter(nesne, olay);
    auto* kutu = static_cast<QLineEdit*>(nesne);
    if (kutu->text().trimmed().isEmpty()) {
        QApplication::beep();
        MesajVer(kutu == adi ? QStringLiteral("Lütfen kullanıcı adını giriniz !")
                             : QStringLiteral("Lütfen kullanıcı şifresini giriniz !"),
                 mtUyari, kTamamTusu, mbTamam);
        kutu->selectAll();
        kutu->setFocus();
        return true;
    }
    if (kutu == adi) {
        sifre->selectAll();
        sifre->setFocus();
    } else {
        Giris();
    }
    return true;
}

void Tgirisform::Giris() {
    // One login at a time: a second would write the session record alongside the first.
    if (suruyor_)
        return;
    suruyor_ = true;
    giris_->setText(QStringLiteral("Bağlanıyor..."));
    giris_->setEnabled(false);
    bekle_->show();
    auto adres = std::make_shared<QString>();
    QPointer<Tgirisform> pencere(this);
    ArkaPlanCagrisi([adres] { *adres = DisIpAl(); })->Await([pencere, adres] {
        if (!pencere) // closed meanwhile
            return;
        pencere->giris_->setText(QStringLiteral("Giriş!"));
        pencere->bekle_->hide();
        pencere->Devamet(*adres);
    });
}

void Tgirisform::Devamet(const QString& adres) {
    disIp_ = adres;
    Bilgim.Disip = adres.toStdString();
    bagim.Parametreler().host = SunucuAdresiAl().host;
    // The work reads only the settings and fills its own copy of the record, so a dialog closed
    // meanwhile is never touched from the worker.
    struct Sonuc {
        bool bulundu = false;
        TSonucBilgisi kayit;
    };
    auto sonuc = std::make_shared<Sonuc>();
    sonuc->kayit.Kopyala(Bilgim);
    QPointer<Tgirisform> pencere(this);
    ArkaPlanCagrisi([sonuc, ayarlar = bagim.Parametreler(), kimlik = idsi, adres] {
        sonuc->bulundu = GirisBilgisiAl(ayarlar, kimlik, adres, sonuc->kayit);
    })->Await([pencere, sonuc] {
        if (!pencere)
            return;
        if (sonuc->bulundu)
            pencere->Bilgim.Kopyala(sonuc->kayit);
        pencere->Tamamla(sonuc->bulundu);
    });
}

bool Tgirisform::GirisBilgisiAl(const BaglantiParametreleri& ayarlar, const QString& idsi,
                                const QString& disIp, TSonucBilgisi& Bilgim) {
    try {
        TBaglanti kopya(ayarlar);
        if (!BaglantiAc(kopya, 0))
            return false;
        {
            TServerMethods1Client istemci(kopya.DBXConnection());
            const auto* kayit = istemci.BuyukGetir(idsi.toStdString());
            if (!kayit)
                return false;
            Bilgim.Kopyala(*kayit);
        }
        kopya.Kapat();
    } catch (const std::exception&) {
        return false;
    }
    Bilgim.BilgiSayarAdi = BilgisayarAdiAl().toStdString();
    Bilgim.BilgisayarKullanici = WindowsKullaniciAl().toStdString();
    Bilgim.Icip = YerelIpAl().toStdString();
    Bilgim.BILGISAYARID = idsi.toStdString();
    Bilgim.Disip = disIp.toStdString();
    return true;
}

void Tgirisform::Tekrar() {
    suruyor_ = false;
    giris_->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

void Tgirisform::Tamamla(bool bulundu) {
    bekle_->hide();
    if (!bulundu) {
        MesajVer(QStringLiteral("Bağlantı Kurulamadı !"), mtHata, kTamamTusu, mbTamam);
        Tekrar();
        return;
    }
    if (Bilgim.Version != kSurum)
        YeniSurumIndir();
    if (!Bilgim.Varmi) {
        // A machine the server does not know: the request form, then the program ends.
        IstekFormuAc(IstekAdresi(idsi));
        SurecBitir(0);
        reject();
        return;
    }
    if (QString::fromStdString(Bilgim.ADI) == adi->text() &&
        QString::fromStdString(Bilgim.SIFRE) == sifre->text()) {
        AyarKaydet();
        if (Bilgim.AKTIF == 1) {
            if ((Bilgim.MusteriTipi == 1 || Bilgim.MusteriTipi == 2) && !CariSecimiAc()) {
                SurecBitir(0);
                reject();
                return;
            }
            accept();
            return;
        }
    }
    MesajVer(QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"), mtUyari, kTamamTusu,
             mbTamam);
    Tekrar();
}

void Tgirisform::YeniSurumIndir() {
    notices::Tdosyaindir indir(this, Bilgim.Version);
    indir.exec();
}

void Tgirisform::IstekFormuAc(const QString& adres) {
    notices::Tformistekyeni form(this);
    form.setWindowTitle(QStringLiteral("Parlavik Otomotiv B2B İstek Formu"));
    form.Git(QUrl(adres, QUrl::TolerantMode));
    form.exec();
}

bool Tgirisform::CariSecimiAc() {
    if (secici_)
        return secici_(bagim, Bilgim);
    MesajVer(QStringLiteral("Satış temsilcisi girişi için cari seçimi bu sürümde henüz yok.\r\n"
                            "Lütfen bayi kullanıcısıyla giriş yapın."),
             mtBilgi, kTamamTusu, mbTamam);
    return false;
}

void Tgirisform::Vazgec() {
    SurecBitir(0);
    reject();
}

} // namespace rvz::app
