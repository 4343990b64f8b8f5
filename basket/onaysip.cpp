#include "onaysip.h"

#include "baglanti_ac.h"
#include "mesaj.h"
#include "proxim.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rvz::sepet {

namespace {

std::string Metin(const TDBXReader& okuyucu, int sutun) {
    return okuyucu.ColumnType(sutun) == SutunTuru::AnsiText ? okuyucu.GetAnsiString(sutun)
                                                            : okuyucu.GetWideString(sutun);
}

// An id column, whatever integer or text kind the server gives it.
int Tamsayi(const TDBXReader& okuyucu, int sutun) {
    switch (okuyucu.ColumnType(sutun)) {
    case SutunTuru::Integer:
        return okuyucu.GetInt32(sutun);
    case SutunTuru::Int64:
        return static_cast<int>(okuyucu.GetInt64(sutun));
    default:
        return QString::fromStdString(Metin(okuyucu, sutun)).trimmed().toInt();
    }
}

void Uyari(const QString& metin) {
    app::MesajVer(metin, app::mtUyari, app::kTamamTusu, app::mbTamam);
}

// Adds one radio button per row (id in the first column, name in the second).
void Doldur(TDBXReader* okuyucu, QButtonGroup* grup, QVBoxLayout* duzen, QWidget* ust) {
    for (auto* dugme : grup->buttons()) {
        grup->removeButton(dugme);
        delete dugme;
    }
    while (okuyucu && okuyucu->Next()) {
        auto* dugme = new QRadioButton(QString::fromStdString(Metin(*okuyucu, 1)), ust);
        grup->addButton(dugme, Tamsayi(*okuyucu, 0));
        duzen->addWidget(dugme);
    }
}

QFont SabitAralikli(bool kalin) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setBold(kalin);
    f.setPointSize(11);
    return f;
}

} // namespace

TONAYSIP::TONAYSIP(QWidget* AOwner, app::TBaglanti& _c, const QString& mesaj, const TSonucBilgisi& _sbilgi,
                   const QString& _toplam)
    : QDialog(AOwner), bagc_(_c), sbilgi_(_sbilgi), toplam_(_toplam) {
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));

    auto* gruplar = new QHBoxLayout;
    gruplar->addWidget(RadyoGrubu("Teslim Durumu", "teslimdurumu", teslim_, teslimDuzeni_), 1);
    gruplar->addWidget(RadyoGrubu("Kargo Türleri", "kargoturleri", kargoTurleri_, kargoTurDuzeni_), 1);

    auto* kargo = new QGroupBox(QStringLiteral("Kargo"), this);
    auto* kd = new QVBoxLayout(kargo);
    kargocombo_ = new QComboBox(kargo);
    kargocombo_->setObjectName(QStringLiteral("kargocombo"));
    kargocombo_->setAccessibleName(QStringLiteral("Kargo"));
    kargocombo_->setMinimumWidth(180);
    uyarikargo_ = new QLabel(kargo);
    uyarikargo_->setObjectName(QStringLiteral("uyarikargo"));
    uyarikargo_->setWordWrap(true);
    uyarikargo_->setStyleSheet(QStringLiteral("color: #b00000;"));
    kd->addWidget(kargocombo_);
    kd->addWidget(uyarikargo_, 1);
    gruplar->addWidget(kargo, 1);

    auto* mesajGrubu = new QGroupBox(QStringLiteral("Mesaj"), this);
    auto* md = new QVBoxLayout(mesajGrubu);
    aciklamagir_ = new QPlainTextEdit(mesajGrubu);
    aciklamagir_->setObjectName(QStringLiteral("aciklamagir"));
    aciklamagir_->setAccessibleName(QStringLiteral("Mesaj"));
    md->addWidget(aciklamagir_);
    gruplar->addWidget(mesajGrubu, 1);

    auto* Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(SabitAralikli(true));
    Label2->setText(QStringLiteral("Kullanıcı: ") + QString::fromStdString(sbilgi_.ADI) + QLatin1Char('\n') +
                    QStringLiteral("Cari     : ") + QString::fromStdString(sbilgi_.CariAdi) +
                    QLatin1Char('\n') + QStringLiteral("Tutar    : ") + toplam_);
    auto* Label3 = new QLabel(mesaj, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(SabitAralikli(true));
    Label3->setStyleSheet(QStringLiteral("color: red;"));
    Label3->setWordWrap(true);
    auto* Label1 =
        new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont buyuk = Label1->font();
    buyuk.setPointSize(14);
    buyuk.setBold(true);
    Label1->setFont(buyuk);
    Label1->setAlignment(Qt::AlignCenter);

    auto* evet = new QPushButton(QStringLiteral("Evet"), this);
    evet->setObjectName(QStringLiteral("evet"));
    auto* hayir = new QPushButton(QStringLiteral("Hayır"), this);
    hayir->setObjectName(QStringLiteral("hayir"));
    for (auto* t : {evet, hayir})
        t->setMinimumSize(120, 40);
    auto* tuslar = new QHBoxLayout;
    tuslar->addWidget(evet);
    tuslar->addStretch();
    tuslar->addWidget(hayir);

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(gruplar, 1);
    duzen->addWidget(Label2);
    duzen->addWidget(Label3);
    duzen->addWidget(Label1);
    duzen->addLayout(tuslar);
    resize(860, 460);

    connect(evet, &QPushButton::clicked, this, &TONAYSIP::Evet);
    connect(hayir, &QPushButton::clicked, this, &QDialog::reject);
    connect(kargoTurleri_, &QButtonGroup::idClicked, this, [this](int id) {
        uyarikargo_->clear();
        KargoFirmalariniGetir(id);
    });
    connect(kargocombo_, &QComboBox::activated, this, &TONAYSIP::FirmaDegisti);

    TeslimVeKargoTurleriniGetir();
}

QGroupBox* TONAYSIP::RadyoGrubu(const char* baslik, const char* ad, QButtonGroup*& grup,
                                QVBoxLayout*& duzen) {
    auto* kutu = new QGroupBox(QString::fromUtf8(baslik), this);
    kutu->setObjectName(QLatin1String(ad));
    grup = new QButtonGroup(kutu);
    grup->setObjectName(QLatin1String(ad));
    auto* dis = new QVBoxLayout(kutu);
    duzen = new QVBoxLayout;
    dis->addLayout(duzen);
    dis->addStretch();
    return kutu;
}

QString TONAYSIP::Aciklama() const {
    return aciklamagir_->toPlainText();
}

void TONAYSIP::TeslimVeKargoTurleriniGetir() {
    const auto kopya = bagc_.Kopya();
    if (!app::BaglantiAc(*kopya, 1))
        return;
    {
        TServerMethods1Client istemci(kopya->DBXConnection());
        Doldur(istemci.TeslimVer(), teslim_, teslimDuzeni_, this);
        const auto teslimler = teslim_->buttons();
        if (!teslimler.isEmpty())
            teslimler.at(std::min<qsizetype>(1, teslimler.size() - 1))->setChecked(true);
        Doldur(istemci.KargoVer(), kargoTurleri_, kargoTurDuzeni_, this);
    }
    kopya->Kapat();
}

void TONAYSIP::KargoFirmalariniGetir(int kargoTuru) {
    if (!app::BaglantiAc(bagc_, 1))
        return;
    kargo_.clear();
    {
        TServerMethods1Client istemci(bagc_.DBXConnection());
        auto* okuyucu = istemci.KargolarVer(kargoTuru);
        const int adi = okuyucu->ColumnIndex("ADI");
        const int sirano = okuyucu->ColumnIndex("SIRANO");
        const int uyari = okuyucu->ColumnIndex("UYARI");
        while (okuyucu->Next())
            kargo_.push_back({QString::fromStdString(Metin(*okuyucu, adi)), Tamsayi(*okuyucu, sirano),
                              QString::fromStdString(Metin(*okuyucu, uyari))});
    }
    bagc_.Kapat();
    kargocombo_->clear();
    kargocombo_->addItem(QStringLiteral(" "));
    for (const auto& f : kargo_)
        kargocombo_->addItem(f.adi);
    if (kargocombo_->count() == 2) {
        kargocombo_->setCurrentIndex(1);
        FirmaDegisti();
    }
}

void TONAYSIP::FirmaDegisti() {
    const QString ad = kargocombo_->currentText();
    for (const auto& f : kargo_)
        if (f.adi == ad) {
            uyarikargo_->setText(f.uyari);
            return;
        }
    uyarikargo_->clear();
}

void TONAYSIP::Evet() {
    if (!teslim_->checkedButton()) {
        Uyari(QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
        return;
    }
    if (!kargoTurleri_->checkedButton()) {
        Uyari(QStringLiteral("Lütfen Kargo Türünü Seçiniz !"));
        return;
    }
    if (kargocombo_->currentIndex() > 0) {
        for (const auto& f : kargo_)
            if (f.adi == kargocombo_->currentText()) {
                KN = f.sirano;
                break;
            }
        td = teslim_->checkedId();
        kt = kargoTurleri_->checkedId();
        accept();
        return;
    }
    Uyari(QStringLiteral("Lütfen Kargo  Seçiniz !"));
    kargocombo_->setFocus();
}

bool SiparisiKaydet(app::TBaglanti& bagc, const TSonucBilgisi& sbilgi, int kargoFirmasi, int kargoTuru,
                    const QString& aciklama, int teslim) {
    if (!app::BaglantiAc(bagc, 1))
        return false;
    bool sonuc = false;
    {
        TServerMethods1Client istemci(bagc.DBXConnection());
        auto* kopya = new TSonucBilgisi;
        kopya->Kopyala(sbilgi);
        sonuc = istemci.SiparisKaydet(kopya, sbilgi.CARINO, teslim, kargoTuru, aciklama.toStdString(),
                                      sbilgi.Sirano, kargoFirmasi);
    }
    bagc.Kapat();
    return sonuc;
}

} // namespace rvz::sepet
