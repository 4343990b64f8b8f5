#include "sepet_sekmesi.h"

#include "arayuz_devri.h"
#include "baglanti_ac.h"
#include "excelkaydet.h"
#include "izgara.h"
#include "mesaj.h"
#include "onaysip.h"
#include "proxim.h"
#include "sayibicimi.h"
#include "sekme_yukleyici.h"
#include "sepet_islemleri.h"
#include "sepet_sutunlari.h"
#include "sepet_toplamlari.h"
#include "sepet_yukle.h"
#include "serbest_is_parcacigi.h"
#include "sutunorani.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace rvz::sepet {

namespace {

const QString kSepet = QStringLiteral("Sepet");

QLabel* DegerEtiketi(const char* ad, QWidget* ust) {
    auto* e = new QLabel(QStringLiteral("0,00"), ust);
    e->setObjectName(QLatin1String(ad));
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setMinimumWidth(130);
    return e;
}

TSonucBilgisi* OturumKopyasi(const TSonucBilgisi& sbilgi) {
    auto* k = new TSonucBilgisi;
    k->Kopyala(sbilgi);
    return k;
}

bool Soru(const QString& metin) {
    return app::MesajVer(metin, app::mtSoru, app::kEvetHayirTuslari, app::mbHayir) == app::mrEvet;
}

void Bilgi(const QString& metin) {
    app::MesajVer(metin, app::mtBilgi, app::kTamamTusu, app::mbTamam);
}

} // namespace

TSepetSekmesi::TSepetSekmesi(SepetSekmesiBaglami baglam, QWidget* ust)
    : QWidget(ust), b_(std::move(baglam)), sepetgrid_(new TIzgara(this)) {
    sepetgrid_->setObjectName(QStringLiteral("sepetgrid"));
    sepetgrid_->SutunlariTanimla(SepetSutunlari({}));
    sepetgrid_->RenkleriAyarla(QColor(255, 255, 255), QColor(240, 245, 252), QColor(255, 214, 102));
    sepetgrid_->VeriSetiBagla(b_.sepet);
    sepetgrid_->Tablo()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sepetgrid_->Tablo(), &QWidget::customContextMenuRequested, this, &TSepetSekmesi::MenuGoster);
    connect(sepetgrid_, &TIzgara::CiftTiklandi, this, &TSepetSekmesi::CiftTiklama);
    sepetgrid_->installEventFilter(this);

    app::SekmeYuklemesi yukleme;
    yukleme.uyar = 1;
    // The worker reads the dealer as it was when the load started.
    auto carino = std::make_shared<int>(0);
    yukleme.ayir = [this, carino] {
        *carino = b_.sbilgi->CARINO;
        if (lbluyarbakiye_)
            lbluyarbakiye_->clear();
        sepetgrid_->setEnabled(false);
        hepsiniSec_->setEnabled(false);
        secimleriKaldir_->setEnabled(false);
        b_.sepet->DisableControls();
        sepetgrid_->VeriSetiAyir();
        sepetgrid_->setUpdatesEnabled(false);
    };
    TVeriSeti* sepet = b_.sepet;
    yukleme.yukle = [carino, sepet](app::TBaglanti& acik) {
        SepetVerisiniDoldur(acik, *carino, *sepet);
        return false;
    };
    yukleme.bagla = [this] { YuklemeBitti(); };
    yukleme.baslik = kSepet;
    yukleme.satirSayisi = [sepet] { return sepet->RecordCount(); };
    yukleme.basligiYaz = b_.basligiYaz;
    yukleyici_ = new app::SekmeYukleyici(*b_.bagc, b_.gosterge, std::move(yukleme), this);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(4);
    duzen->addWidget(sepetgrid_, 1);
    duzen->addWidget(AltBolumYap());
}

QWidget* TSepetSekmesi::AltBolumYap() {
    auto* alt = new QWidget(this);
    auto* d = new QVBoxLayout(alt);
    d->setContentsMargins(6, 0, 6, 6);

    auto* secimCubugu = new QHBoxLayout;
    hepsiniSec_ = new QPushButton(QStringLiteral("Hepsini Seç"), alt);
    hepsiniSec_->setObjectName(QStringLiteral("hepsinisec"));
    secimleriKaldir_ = new QPushButton(QStringLiteral("Seçimleri Kaldır"), alt);
    secimleriKaldir_->setObjectName(QStringLiteral("secimlerikaldir"));
    lbluyarbakiye_ = new QLabel(alt);
    lbluyarbakiye_->setObjectName(QStringLiteral("lbluyarbakiye"));
    QFont uyari(QStringLiteral("Tahoma"));
    uyari.setPixelSize(16);
    uyari.setBold(true);
    lbluyarbakiye_->setFont(uyari);
    lbluyarbakiye_->setStyleSheet(QStringLiteral("color: red;"));
    lbluyarbakiye_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbluyarbakiye_->setWordWrap(true);
    secimCubugu->addWidget(hepsiniSec_);
    secimCubugu->addWidget(secimleriKaldir_);
    secimCubugu->addWidget(lbluyarbakiye_, 1);
    d->addLayout(secimCubugu);

    auto* mesaj = new QGroupBox(QStringLiteral("Mesaj"), alt);
    mesaj->setObjectName(QStringLiteral("mesajgrubu"));
    auto* m = new QHBoxLayout(mesaj);
    auto* toplamlar = new QGridLayout;
    toplamlar->setVerticalSpacing(2);
    aratoplaml_ = DegerEtiketi("aratoplaml", mesaj);
    indiriml_ = DegerEtiketi("indiriml", mesaj);
    nettutarl_ = DegerEtiketi("nettutarl", mesaj);
    vergil_ = DegerEtiketi("vergil", mesaj);
    geneltoplaml_ = DegerEtiketi("geneltoplaml", mesaj);
    const std::pair<const char*, QLabel*> satirlar[] = {{"Toplam:", aratoplaml_},
                                                        {"İndirim Toplam:", indiriml_},
                                                        {"Ara Toplam:", nettutarl_},
                                                        {"Vergi:", vergil_},
                                                        {"Genel Toplam:", geneltoplaml_}};
    int satir = 0;
    for (const auto& [baslik, deger] : satirlar) {
        auto* e = new QLabel(QString::fromUtf8(baslik), mesaj);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (deger == geneltoplaml_) {
            QFont f = e->font();
            f.setBold(true);
            e->setFont(f);
            deger->setFont(f);
        }
        toplamlar->addWidget(e, satir, 0);
        toplamlar->addWidget(deger, satir++, 1);
    }
    m->addLayout(toplamlar);
    m->addStretch(1);
    auto* gonder = new QPushButton(QStringLiteral("Gönder"), mesaj);
    gonder->setObjectName(QStringLiteral("gonder"));
    gonder->setMinimumSize(120, 48);
    auto* excel = new QPushButton(QStringLiteral("Excel Kaydet"), mesaj);
    excel->setObjectName(QStringLiteral("excelkaydet"));
    excel->setMinimumSize(120, 48);
    m->addWidget(gonder, 0, Qt::AlignBottom);
    m->addWidget(excel, 0, Qt::AlignBottom);
    d->addWidget(mesaj);

    connect(hepsiniSec_, &QPushButton::clicked, this, [this] { SecimleriAyarla(1); });
    connect(secimleriKaldir_, &QPushButton::clicked, this, [this] { SecimleriAyarla(0); });
    connect(gonder, &QPushButton::clicked, this, &TSepetSekmesi::Gonder);
    connect(excel, &QPushButton::clicked, this, [this] {
        try {
            ExcelKaydet(this, sepetgrid_->AktarimTablosu());
        } catch (const std::exception& e) {
            app::MesajVer(QString::fromStdString(e.what()), app::mtHata, app::kTamamTusu, app::mbTamam);
        }
    });
    return alt;
}

void TSepetSekmesi::KurallariUygula(const app::KullaniciTipiKurallari& kurallar) {
    sepetgrid_->SutunlariTanimla(SepetSutunlari(kurallar));
}

bool TSepetSekmesi::Yukleniyor() const {
    return yukleyici_->Yukleniyor();
}

void TSepetSekmesi::YuklemeyiBekle() {
    if (!Yukleniyor())
        return;
    QEventLoop dongu;
    connect(yukleyici_, &app::SekmeYukleyici::Yuklendi, &dongu, [this, &dongu] {
        if (!Yukleniyor())
            dongu.quit();
    });
    dongu.exec();
}

void TSepetSekmesi::Goster() {
    CariBakiyeUyariBak();
    yukleyici_->Yukle();
}

void TSepetSekmesi::YuklemeBitti() {
    SepetToplamlariYaz();
    b_.sepet->EnableControls();
    sepetgrid_->setEnabled(true);
    sepetgrid_->VeriSetiBagla(b_.sepet);
    sepetgrid_->setUpdatesEnabled(true);
    hepsiniSec_->setEnabled(true);
    secimleriKaldir_->setEnabled(true);
    Sigdir();
}

void TSepetSekmesi::Sigdir() {
    SutunlariEkranaGoreSigdir(*sepetgrid_, screen() ? screen()->size().width() : width());
    // Amounts cut in half are unreadable: no column narrower than what it shows; the grid
    // scrolls sideways instead.
    auto* tablo = sepetgrid_->Tablo();
    for (int i = 0; i < static_cast<int>(sepetgrid_->Sutunlar().size()); ++i)
        if (!tablo->isColumnHidden(i)) {
            const int oranli = tablo->columnWidth(i);
            tablo->resizeColumnToContents(i);
            tablo->setColumnWidth(i, std::max(oranli, tablo->columnWidth(i)));
        }
}

void TSepetSekmesi::SepetiGetir() {
    if (Yukleniyor()) {
        yukleyici_->Yukle();
        return;
    }
    sepet::SepetiGetir(*b_.bagc, b_.sbilgi->CARINO, *b_.sepet);
    SepetToplamlariYaz();
}

void TSepetSekmesi::CariBakiyeUyariBak() {
    const auto ayarlar = b_.bagc->Parametreler();
    const int carino = b_.sbilgi->CARINO;
    QPointer<QLabel> etiket = lbluyarbakiye_;
    app::SerbestIsParcacigiBaslat([ayarlar, carino, etiket] {
        app::TBaglanti baglanti(ayarlar);
        if (!app::BaglantiAc(baglanti, 0))
            return;
        std::string metin;
        try {
            TServerMethods1Client istemci(baglanti.DBXConnection());
            metin = istemci.CariVadeGunGecmismiBul(carino);
        } catch (const std::exception&) {
            metin.clear();
        }
        baglanti.Kapat();
        const QString yazi = QString::fromStdString(metin);
        app::ArayuzdeCalistir([etiket, yazi] {
            if (etiket)
                etiket->setText(yazi);
        });
    });
}

void TSepetSekmesi::SepetToplamlariYaz() {
    const auto t = SepetToplamlariHesapla(*b_.sepet);
    const std::pair<QLabel*, double> degerler[] = {{aratoplaml_, t.tutar},
                                                   {indiriml_, t.indirim},
                                                   {nettutarl_, t.net},
                                                   {vergil_, t.vergi},
                                                   {geneltoplaml_, t.genel}};
    for (const auto& [etiket, deger] : degerler)
        etiket->setText(BicimliSayi(deger, kSayiBicimi));
}

void TSepetSekmesi::SecimleriAyarla(int secim) {
    // The buttons are disabled while the tab's load rewrites the dataset; a reload from
    // elsewhere runs on this thread and cannot interleave.
    if (Yukleniyor() || !b_.sepet->Acik())
        return;
    auto& sepet = *b_.sepet;
    for (sepet.First(); !sepet.Eof(); sepet.Next()) {
        sepet.Edit();
        sepet.AlanYaz("SEC", secim);
        sepet.Post();
        SecimGuncelle(*b_.bagc, sepet.FieldByName("SIRANO").toInt(), secim);
    }
    SepetToplamlariYaz();
    if (b_.araedit && b_.araedit->isEnabled()) {
        b_.araedit->selectAll();
        b_.araedit->setFocus();
    }
}

bool TSepetSekmesi::OdakSatiraGit() {
    const int satir = sepetgrid_->OdakSatir();
    if (satir < 0 || !DoluMu(*b_.sepet))
        return false;
    const QVariant sirano = b_.sepet->Deger(satir, b_.sepet->AlanNo("SIRANO"));
    return b_.sepet->Locate("SIRANO", sirano);
}

void TSepetSekmesi::CiftTiklama(int) {
    if (!sepetgrid_->isEnabled() || !OdakSatiraGit())
        return;
    const int sutun = sepetgrid_->Tablo()->currentIndex().column();
    if (sutun != sepetgrid_->SutunNo("SEC")) {
        emit SatirDegistirIstendi(b_.sepet->FieldByName("SIRANO").toInt());
        return;
    }
    const int yeni = b_.sepet->FieldByName("SEC").toInt() == 0 ? 1 : 0;
    b_.sepet->Edit();
    b_.sepet->AlanYaz("SEC", yeni);
    b_.sepet->Post();
    SecimGuncelle(*b_.bagc, b_.sepet->FieldByName("SIRANO").toInt(), yeni);
    SepetToplamlariYaz();
}

void TSepetSekmesi::SatirDegistir() {
    if (sepetgrid_->isEnabled() && OdakSatiraGit())
        emit SatirDegistirIstendi(b_.sepet->FieldByName("SIRANO").toInt());
}

void TSepetSekmesi::SatirSil() {
    if (!sepetgrid_->isEnabled() || !OdakSatiraGit())
        return;
    if (!Soru(QStringLiteral("Satırı silmek istiyor musunuz ")))
        return;
    if (!app::BaglantiAc(*b_.bagc, 1))
        return;
    {
        TServerMethods1Client istemci(b_.bagc->DBXConnection());
        const QString not_ =
            b_.sepet->AlanMetni("BARKOD") + QLatin1Char('-') + b_.sepet->AlanMetni("STOKADI");
        istemci.SepetSatirSil(OturumKopyasi(*b_.sbilgi), b_.sepet->FieldByName("SIRANO").toInt(),
                              not_.toStdString());
    }
    b_.bagc->Kapat();
    SepetiGetir();
    Bilgi(QStringLiteral("Satır silindi !"));
}

void TSepetSekmesi::HepsiniSil() {
    if (!DoluMu(*b_.sepet) || Yukleniyor())
        return;
    if (!Soru(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz ")))
        return;
    if (!app::BaglantiAc(*b_.bagc, 1))
        return;
    {
        TServerMethods1Client istemci(b_.bagc->DBXConnection());
        istemci.SepetHepsiniSil(OturumKopyasi(*b_.sbilgi));
    }
    Bilgi(QStringLiteral("Sepet Silindi !"));
    b_.bagc->Kapat();
    SepetiGetir();
}

void TSepetSekmesi::Gonder() {
    if (Yukleniyor() || !SeciliSatirVarMi(*b_.sepet)) {
        app::MesajVer(QStringLiteral("Gönderilecek Parça Yok "), app::mtUyari, app::kTamamTusu, app::mbTamam);
        return;
    }
    TONAYSIP onay(this, *b_.bagc, lbluyarbakiye_->text(), *b_.sbilgi, geneltoplaml_->text());
    if (onay.exec() != QDialog::Accepted)
        return;
    if (SiparisiKaydet(*b_.bagc, *b_.sbilgi, onay.KN, onay.kt, onay.Aciklama(), onay.td)) {
        Bilgi(QStringLiteral("Siparişiniz Gönderildi !"));
        SepetiGetir();
    } else {
        app::MesajVer(QStringLiteral("Sipariş Göndermede Hata"), app::mtHata, app::kTamamTusu, app::mbTamam);
    }
}

bool TSepetSekmesi::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == sepetgrid_ && olay->type() == QEvent::Resize && sepetgrid_->isEnabled())
        Sigdir();
    return QWidget::eventFilter(nesne, olay);
}

void TSepetSekmesi::MenuGoster(const QPoint& konum) {
    QMenu menu(this);
    auto* degistir = menu.addAction(QStringLiteral("Satır Değiştir"));
    menu.addSeparator();
    auto* sil = menu.addAction(QStringLiteral("Satır Sil"));
    menu.addSeparator();
    auto* hepsi = menu.addAction(QStringLiteral("Hepsini Sil"));
    auto* secilen = menu.exec(sepetgrid_->Tablo()->viewport()->mapToGlobal(konum));
    if (secilen == degistir)
        SatirDegistir();
    else if (secilen == sil)
        SatirSil();
    else if (secilen == hepsi)
        HepsiniSil();
}

} // namespace rvz::sepet
