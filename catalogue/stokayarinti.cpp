#include "stokayarinti.h"

#include "akis.h"
#include "baglanti_ac.h"
#include "mesaj.h"
#include "proxim.h"
#include "sayibicimi.h"
#include "yuvarla.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

namespace rvz::katalog {

namespace {

QString Tutar(double deger) {
    return BicimliSayi(deger, kSayiBicimi);
}

// Until the item's own picture arrives: a grey frame with a camera-less note.
QPixmap VarsayilanResim() {
    QPixmap p(320, 220);
    p.fill(QColor(245, 245, 245));
    QPainter r(&p);
    r.setPen(QColor(180, 180, 180));
    r.drawRect(p.rect().adjusted(0, 0, -1, -1));
    r.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("Resim yok"));
    return p;
}

QLabel* Etiket(const QString& metin, QWidget* ust, const char* ad = nullptr) {
    auto* e = new QLabel(metin, ust);
    if (ad)
        e->setObjectName(QLatin1String(ad));
    return e;
}

} // namespace

Tstokayarinti::Tstokayarinti(app::TBaglanti& bagc, QWidget* ust) : QDialog(ust), bagc_(bagc) {
    setObjectName(QStringLiteral("stokayarinti"));
    setWindowTitle(QStringLiteral("Sepete Ekle"));

    auto* baslik = new QGridLayout;
    barkod_ = Etiket({}, this, "barkod");
    adi_ = Etiket({}, this, "adi");
    finishkod_ = Etiket({}, this, "finishkod");
    marka_ = Etiket({}, this, "marka");
    model_ = Etiket({}, this, "model");
    const std::pair<const char*, QLabel*> basliklar[] = {{"Barkod:", barkod_},
                                                         {"Açıklama:", adi_},
                                                         {"Finish Kod:", finishkod_},
                                                         {"Marka:", marka_},
                                                         {"Model:", model_}};
    int satir = 0;
    for (const auto& [metin, deger] : basliklar) {
        baslik->addWidget(Etiket(QString::fromUtf8(metin), this), satir, 0, Qt::AlignRight);
        deger->setWordWrap(true);
        QFont f = deger->font();
        f.setBold(true);
        deger->setFont(f);
        baslik->addWidget(deger, satir++, 1);
    }
    baslik->setColumnStretch(1, 1);

    resim_ = Etiket({}, this, "resim");
    resim_->setAlignment(Qt::AlignCenter);
    resim_->setMinimumSize(320, 220);
    resim_->setPixmap(VarsayilanResim());

    adet_ = new QSpinBox(this);
    adet_->setObjectName(QStringLiteral("adet"));
    adet_->setAccessibleName(QStringLiteral("Adet"));
    adet_->setRange(1, 10000);
    adet_->setValue(1);
    adet_->installEventFilter(this);
    birimfiyat_ = TutarAlani("birimfiyat");
    birimfiyat_->installEventFilter(this);
    indtutar_ = TutarAlani("indtutar");
    kdvdahiltutar_ = TutarAlani("kdvdahiltutar");
    geneltutar_ = TutarAlani("geneltutar");
    fiyatBasligi_ = Etiket(QStringLiteral("Fiyat:"), this, "fiyatbasligi");
    indirimoran_ = Etiket(QStringLiteral("İndirim:"), this, "indirimoran");

    auto* alt = new QGridLayout;
    const std::pair<QLabel*, QWidget*> satirlar[] = {
        {Etiket(QStringLiteral("Adet:"), this), adet_},
        {fiyatBasligi_, birimfiyat_},
        {indirimoran_, indtutar_},
        {Etiket(QStringLiteral("KDV Dahil:"), this), kdvdahiltutar_},
        {Etiket(QStringLiteral("Tutar:"), this), geneltutar_}};
    satir = 0;
    for (const auto& [etiket, alan] : satirlar) {
        alt->addWidget(etiket, satir, 0, Qt::AlignRight);
        alt->addWidget(alan, satir++, 1);
    }
    auto* ekle = new QPushButton(QStringLiteral("Sipariş ekle"), this);
    ekle->setObjectName(QStringLiteral("siparisekle"));
    ekle->setDefault(true);
    auto* vazgec = new QPushButton(QStringLiteral("Vazgeç"), this);
    vazgec->setObjectName(QStringLiteral("vazgec"));
    auto* tuslar = new QVBoxLayout;
    tuslar->addWidget(ekle);
    tuslar->addWidget(vazgec);
    tuslar->addStretch();
    auto* altSatir = new QHBoxLayout;
    altSatir->addLayout(alt, 1);
    altSatir->addLayout(tuslar);

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(baslik);
    duzen->addWidget(resim_, 1);
    duzen->addLayout(altSatir);
    resize(520, 560);

    connect(ekle, &QPushButton::clicked, this, &QDialog::accept);
    connect(vazgec, &QPushButton::clicked, this, &QDialog::reject);
    connect(adet_, &QSpinBox::valueChanged, this, [this] {
        TutarHesapla();
        TutarYenile();
    });
    for (auto* alan : {birimfiyat_, indtutar_, kdvdahiltutar_, geneltutar_})
        alan->installEventFilter(this);
    adet_->setFocus();
}

QLineEdit* Tstokayarinti::TutarAlani(const char* ad) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(ad));
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    return e;
}

double Tstokayarinti::AlanDegeri(const QLineEdit* alan) {
    // The amount as it was given, not as rounded for display.
    const QVariant deger = alan->property("deger");
    if (deger.isValid())
        return deger.toDouble();
    QString metin = alan->text();
    metin.remove(QLocale().groupSeparator());
    return QLocale().toDouble(metin);
}

void Tstokayarinti::Doldur(const KartBilgisi& b) {
    StokResmiYukle(b.stokno);
    barkod_->setText(b.barkod);
    adi_->setText(b.adi);
    finishkod_->setText(b.finishkod);
    marka_->setText(b.marka);
    model_->setText(b.model);
    const QSignalBlocker dur(adet_);
    adet_->setValue(b.adet);
    birimFiyatDegeri_ = b.birimFiyat;
    const std::pair<QLineEdit*, double> tutarlar[] = {
        {birimfiyat_, b.birimFiyat}, {indtutar_, b.netFiyat}, {kdvdahiltutar_, b.kdvDahil}};
    for (const auto& [alan, deger] : tutarlar) {
        alan->setProperty("deger", deger);
        alan->setText(Tutar(deger));
    }
    fiyatBasligi_->setText(b.kampanya ? QStringLiteral("Kampanyalı Fiyat:") : QStringLiteral("Fiyat:"));
    indirimoran_->setText(b.indirimBasligi);
    kdvlifiyat_ = b.kdvliFiyat;
    TutarHesapla();
}

void Tstokayarinti::StokResmiYukle(int stokno) {
    if (!app::BaglantiAc(bagc_, 1))
        return;
    try {
        TServerMethods1Client istemci(bagc_.DBXConnection());
        std::int64_t boy = 0;
        TStream* akis = istemci.ResimVer5(stokno, boy);
        if (const auto baytlar = AkisOku(akis, boy)) {
            QImage resim;
            if (!resim.loadFromData(reinterpret_cast<const uchar*>(baytlar->data()),
                                    static_cast<int>(baytlar->size()), "JPEG"))
                throw std::runtime_error("Resim çözülemedi");
            resim_->setPixmap(QPixmap::fromImage(
                resim.scaled(resim_->minimumSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
            resimYuklendi_ = true;
        }
    } catch (const std::exception& e) {
        app::MesajVer(QStringLiteral("Hata: ") + QString::fromStdString(e.what()), app::mtDuz,
                      app::kTamamTusu, app::mbTamam);
    }
    bagc_.Kapat();
}

std::optional<int> Tstokayarinti::Adet() const {
    bool tamam = false;
    const int adet = adet_->text().trimmed().toInt(&tamam);
    if (!tamam)
        return std::nullopt;
    return adet;
}

void Tstokayarinti::TutarHesapla() {
    geneltutar_->setText(Tutar(app::Yuvarla(Adet().value_or(1) * kdvlifiyat_)));
}

void Tstokayarinti::TutarYenile() {
    geneltutar_->setText(Tutar(app::Yuvarla(AlanDegeri(kdvdahiltutar_) * Adet().value_or(1))));
}

void Tstokayarinti::accept() {
    if (!Adet() || *Adet() < 1) {
        // Nothing is sent for a quantity that is not a whole number.
        app::MesajVer(QStringLiteral("Lütfen geçerli bir adet giriniz !"), app::mtUyari, app::kTamamTusu,
                      app::mbTamam);
        adet_->selectAll();
        adet_->setFocus();
        return;
    }
    QDialog::accept();
}

bool Tstokayarinti::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() == QEvent::KeyPress) {
        const auto tus = static_cast<QKeyEvent*>(olay)->key();
        const bool enter = tus == Qt::Key_Return || tus == Qt::Key_Enter;
        if (enter && nesne == adet_) {
            accept();
            return true;
        }
        if (enter && nesne == birimfiyat_)
            return true;
    }
    if (olay->type() == QEvent::KeyRelease && nesne != adet_)
        TutarYenile();
    return QDialog::eventFilter(nesne, olay);
}

void Tstokayarinti::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    adet_->selectAll();
    adet_->setFocus();
}

} // namespace rvz::katalog
