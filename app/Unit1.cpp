#include "Unit1.h"

#include "arama_harfleri.h"
#include "arayuz_devri.h"
#include "baglanti_ac.h"
#include "bekleme_gostergesi.h"
#include "beklesinu.h"
#include "cari_secimi.h"
#include "durumaciklamasi.h"
#include "girisformu.h"
#include "izgara.h"
#include "kart_acici.h"
#include "kayanresim.h"
#include "kayanyazi.h"
#include "liste_sutunlari.h"
#include "makine_kimligi.h"
#include "mesaj.h"
#include "proxim.h"
#include "sepet_sekmesi.h"
#include "stoklistesi.h"
#include "sunucu_adresi.h"
#include "surec.h"
#include "urun_listesi_sekmesi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace rvz::app {

namespace {

struct SekmeTanimi {
    const char* ad;
    const char* baslik;
    QStyle::StandardPixmap simge;
};

constexpr SekmeTanimi kSekmeler[] = {
    {"sstoklistesi", "Stok Listesi", QStyle::SP_FileDialogContentsView},
    {"ssepet", "Sepet", QStyle::SP_DialogSaveButton},
    {"sonceki", "Önceki Siparişler", QStyle::SP_FileDialogDetailedView},
    {"sccariekstre", "Cari Ekstre", QStyle::SP_FileDialogListView},
    {"syeniler", "Yeni Stoklar", QStyle::SP_FileDialogNewFolder},
    {"skampanyali", "Kampanyalı Stoklar", QStyle::SP_DialogYesButton},
    {"sTabSheetduyuru", "Duyurular", QStyle::SP_MessageBoxInformation},
    {"sTabbakiyeler", "Bakiyeler", QStyle::SP_BrowserReload},
    {"ss", "Sanal Pos", QStyle::SP_DriveNetIcon},
};

QLabel* Yazi(const QString& metin, const char* ad, QWidget* ust) {
    auto* e = new QLabel(metin, ust);
    e->setObjectName(QLatin1String(ad));
    return e;
}

// The distributor's logo, drawn: a red disc with the initials and the name beside it.
QPixmap Logo() {
    QPixmap p(210, 72);
    p.fill(Qt::transparent);
    QPainter r(&p);
    r.setRenderHint(QPainter::Antialiasing);
    r.setBrush(QColor(229, 57, 53));
    r.setPen(Qt::NoPen);
    r.drawEllipse(QRectF(4, 6, 60, 60));
    r.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(26);
    r.setFont(f);
    r.drawText(QRectF(4, 6, 60, 60), Qt::AlignCenter, QStringLiteral("PO"));
    f.setPixelSize(20);
    r.setFont(f);
    r.drawText(QRectF(74, 10, 136, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("PARLAVİK"));
    f.setBold(false);
    f.setPixelSize(13);
    r.setFont(f);
    r.drawText(QRectF(74, 38, 136, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Otomotiv B2B"));
    return p;
}

// Tabs of one size, 120 by 45; the style wraps a long title inside.
class SekmeCubugu : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int) const override { return {120, 45}; }
    QSize minimumTabSizeHint(int) const override { return {120, 45}; }
};

class SekmeAlani : public QTabWidget {
public:
    explicit SekmeAlani(QWidget* ust) : QTabWidget(ust) { setTabBar(new SekmeCubugu(this)); }
};

} // namespace

TForm1::TForm1() {
    setObjectName(QStringLiteral("Form1"));
    // The application title and the caption; every message dialog uses a 15-point font.
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Parlavik Otomotiv B2B"));
    setWindowTitle(QStringLiteral("Parlavik Otomotiv B2B Programı"));
    AnaPencereAta(this);

    sbilgi.BilgiSayarAdi = BilgisayarAdiAl().toStdString();
    sbilgi.BilgisayarKullanici = WindowsKullaniciAl().toStdString();
    sbilgi.Icip = YerelIpAl().toStdString();
    sbilgi.BILGISAYARID = BilgisayarIdAl().toStdString();

    const auto adres = SunucuAdresiAl();
    bagc.Parametreler().host = adres.host;
    bagc.Parametreler().port = adres.port;
    // The server knows the caller by the machine identifier of the hello.
    bagc.Parametreler().makineId = sbilgi.BILGISAYARID;

    auto* merkez = new QWidget(this);
    auto* duzen = new QVBoxLayout(merkez);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(BaslikYap());
    ustBanner_ = new QLabel(merkez);
    ustBanner_->setObjectName(QStringLiteral("ustbanner"));
    ustBanner_->setFixedHeight(0); // no height until a banner is loaded
    duzen->addWidget(ustBanner_);
    duzen->addWidget(AramaCubuguYap());
    SekmeleriYap();
    duzen->addWidget(sekmeler_, 1);
    auto* aciklama = new TDurumAciklamasi(merkez);
    aciklama->setObjectName(QStringLiteral("durumaciklamasi"));
    aciklama->setFixedHeight(27);
    duzen->addWidget(aciklama);
    duzen->addWidget(DuyuruCubuguYap());
    setCentralWidget(merkez);
    MenuYap();
    SiparisYolunuKur();
    UrunListeleriniKur();
    KullaniciTipiUygula(-1);
    araedit->setFocus();
}

TForm1::~TForm1() {
    // The grids outlive the datasets (children go after the members): they let go first.
    stokListesi_->Izgara()->VeriSetiAyir();
    sepetSekmesi_->Izgara()->VeriSetiAyir();
    yeniler_->Izgara()->VeriSetiAyir();
    kampanyalilar_->Izgara()->VeriSetiAyir();
}

QWidget* TForm1::BaslikYap() {
    auto* baslik = new QWidget(this);
    baslik->setObjectName(QStringLiteral("baslik"));
    baslik->setFixedHeight(100);
    auto* logo = new QLabel(baslik);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(Logo());

    kullaniciDegeri_ = Yazi({}, "kullanici", baslik);
    firmaDegeri_ = Yazi({}, "firma", baslik);
    temsilciDegeri_ = Yazi({}, "temsilci", baslik);
    auto* etiketler = new QGridLayout;
    etiketler->setHorizontalSpacing(6);
    etiketler->setVerticalSpacing(4);
    const std::pair<const char*, QLabel*> satirlar[] = {
        {"Kullanıcı: ", kullaniciDegeri_}, {"Firma: ", firmaDegeri_}, {"Temsilci: ", temsilciDegeri_}};
    int i = 0;
    for (const auto& [metin, deger] : satirlar) {
        auto* e = Yazi(QString::fromUtf8(metin), "baslikEtiketi", baslik);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        etiketler->addWidget(e, i, 0);
        etiketler->addWidget(deger, i++, 1);
    }
    etiketler->setColumnStretch(1, 1);

    baslikBanner_ = new QLabel(baslik);
    baslikBanner_->setObjectName(QStringLiteral("baslikbanner"));
    baslikBanner_->setFixedHeight(80);
    baslikBanner_->setMinimumWidth(120);
    baslikBanner_->setMaximumWidth(468);
    baslikBanner_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    baslikBanner_->setAlignment(Qt::AlignCenter);

    menuTusu_ = new QToolButton(baslik);
    menuTusu_->setObjectName(QStringLiteral("menutusu"));
    menuTusu_->setText(QStringLiteral("Menü"));
    menuTusu_->setPopupMode(QToolButton::MenuButtonPopup);
    menuTusu_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    menuTusu_->setMinimumSize(96, 40);
    connect(menuTusu_, &QToolButton::clicked, menuTusu_, &QToolButton::showMenu);

    auto* d = new QHBoxLayout(baslik);
    d->setContentsMargins(12, 8, 12, 8);
    d->setSpacing(16);
    d->addWidget(logo);
    d->addLayout(etiketler);
    d->addWidget(baslikBanner_, 1);
    d->addWidget(menuTusu_, 0, Qt::AlignVCenter);
    return baslik;
}

QWidget* TForm1::AramaCubuguYap() {
    auto* cubuk = new QWidget(this);
    cubuk->setObjectName(QStringLiteral("aramacubugu"));
    cubuk->setFixedHeight(35);
    araedit = new QLineEdit(cubuk);
    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setAccessibleName(QStringLiteral("Ara"));
    araedit->setPlaceholderText(QStringLiteral("Parça no, OEM no, barkod ya da parça adı"));
    araedit->setMinimumWidth(360);
    ara_ = new QPushButton(QStringLiteral("Ara"), cubuk);
    ara_->setObjectName(QStringLiteral("ara"));
    temizle_ = new QPushButton(QStringLiteral("Temizle"), cubuk);
    temizle_->setObjectName(QStringLiteral("temizle"));
    baskaCari_ = new QPushButton(QStringLiteral("Başka Cari Seç"), cubuk);
    baskaCari_->setObjectName(QStringLiteral("baskacarisec"));
    connect(baskaCari_, &QPushButton::clicked, this, &TForm1::CariDegistir);

    auto* d = new QHBoxLayout(cubuk);
    d->setContentsMargins(10, 3, 10, 3);
    d->setSpacing(6);
    d->addWidget(araedit);
    d->addWidget(ara_);
    d->addWidget(temizle_);
    d->addWidget(baskaCari_);
    d->addStretch();
    for (std::size_t i = 0; i < gostergeler_.size(); ++i) {
        gostergeler_[i] = new BeklemeGostergesi(cubuk);
        gostergeler_[i]->setObjectName(QStringLiteral("bekle%1").arg(i + 1));
        gostergeler_[i]->hide();
        d->addWidget(gostergeler_[i]);
    }
    return cubuk;
}

void TForm1::SekmeleriYap() {
    sekmeler_ = new SekmeAlani(this);
    sekmeler_->setObjectName(QStringLiteral("sekmeler"));
    sekmeler_->setDocumentMode(true);
    sekmeler_->setIconSize(QSize(20, 20));
    for (std::size_t i = 0; i < std::size(kSekmeler); ++i) {
        const auto& t = kSekmeler[i];
        auto* sayfa = new QWidget(sekmeler_);
        sayfa->setObjectName(QLatin1String(t.ad));
        sayfalar_[i] = sayfa;
        sekmeler_->addTab(sayfa, style()->standardIcon(t.simge), QString::fromUtf8(t.baslik));
    }
    sekmeler_->setCurrentIndex(sstoklistesi);
}

void TForm1::SiparisYolunuKur() {
    const auto sayfayaKoy = [this](Sekme s, QWidget* icerik) {
        auto* d = new QVBoxLayout(sayfalar_[s]);
        d->setContentsMargins(0, 0, 0, 0);
        d->addWidget(icerik);
    };
    const auto baslikYazici = [this](Sekme s) {
        return [this, s](const QString& baslik) { sekmeler_->setTabText(s, baslik); };
    };
    katalog::StokListesiBaglami stokBaglami{.bagc = &bagc,
                                            .sbilgi = &sbilgi,
                                            .stok = &stok,
                                            .araedit = araedit,
                                            .gosterge = gostergeler_[0],
                                            .sekmeyiAc = [this] { sekmeler_->setCurrentIndex(sstoklistesi); },
                                            .basligiYaz = baslikYazici(sstoklistesi)};
    stokListesi_ = new katalog::TStokListesi(std::move(stokBaglami), sayfalar_[sstoklistesi]);
    sayfayaKoy(sstoklistesi, stokListesi_);
    sepet::SepetSekmesiBaglami sepetBaglami{.bagc = &bagc,
                                            .sbilgi = &sbilgi,
                                            .sepet = &sepet,
                                            .araedit = araedit,
                                            .gosterge = gostergeler_[1],
                                            .basligiYaz = baslikYazici(ssepet)};
    sepetSekmesi_ = new sepet::TSepetSekmesi(std::move(sepetBaglami), sayfalar_[ssepet]);
    sayfayaKoy(ssepet, sepetSekmesi_);
    kartAcici_ = std::make_unique<sepet::TKartAcici>(this, bagc, sbilgi, sepet, *sepetSekmesi_);

    katalog::AramaKutusunuHazirla(araedit);
    connect(araedit, &QLineEdit::returnPressed, stokListesi_, &katalog::TStokListesi::Ara);
    connect(ara_, &QPushButton::clicked, this, [this] {
        if (araedit->isEnabled())
            stokListesi_->Ara();
    });
    connect(temizle_, &QPushButton::clicked, stokListesi_, &katalog::TStokListesi::Temizle);
    connect(sekmeler_, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == ssepet)
            sepetSekmesi_->Goster();
    });
    connect(stokListesi_, &katalog::TStokListesi::KartIstendi, this,
            [this](int satir) { kartAcici_->ListedenKartAc(stok, satir, sepet::KartKaynagi::Stok); });
    connect(sepetSekmesi_, &sepet::TSepetSekmesi::SatirDegistirIstendi, this,
            [this](int sirano) { kartAcici_->SepettenKartAc(sirano); });
}

void TForm1::UrunListeleriniKur() {
    const auto kur = [this](Sekme s, TVeriSeti& veri, const char* baslik, int gosterge,
                            std::function<OleVariant(TServerMethods1Client&, const TSonucBilgisi&)> getir,
                            sepet::KartKaynagi kaynak) {
        katalog::UrunListesiBaglami b{
            .bagc = &bagc,
            .sbilgi = &sbilgi,
            .veri = &veri,
            .gosterge = gostergeler_[static_cast<std::size_t>(gosterge)],
            .baslik = QString::fromUtf8(baslik),
            .getir = std::move(getir),
            .basligiYaz = [this, s](const QString& t) { sekmeler_->setTabText(s, t); }};
        auto* sekme = new katalog::TUrunListesiSekmesi(std::move(b), {}, sayfalar_[s]);
        auto* d = new QVBoxLayout(sayfalar_[s]);
        d->setContentsMargins(0, 0, 0, 0);
        d->addWidget(sekme);
        connect(sekme, &katalog::TUrunListesiSekmesi::KartIstendi, this,
                [this, &veri, kaynak](int satir) { kartAcici_->ListedenKartAc(veri, satir, kaynak); });
        connect(sekmeler_, &QTabWidget::currentChanged, sekme, [sekme, s](int i) {
            if (i == s)
                sekme->Goster();
        });
        return sekme;
    };
    yeniler_ = kur(
        syeniler, YENILER, "Yeni Stoklar", 4,
        [](TServerMethods1Client& i, const TSonucBilgisi& o) { return i.YenilerVer2(o.CARINO); },
        sepet::KartKaynagi::Yeniler);
    kampanyalilar_ = kur(
        skampanyali, kampstok, "Kampanyalı", 5,
        [](TServerMethods1Client& i, const TSonucBilgisi& o) {
            return i.KampanyaliVer2(o.CARINO, o.MusteriTipi);
        },
        sepet::KartKaynagi::Kampanya);
}

QWidget* TForm1::DuyuruCubuguYap() {
    auto* cubuk = new QWidget(this);
    cubuk->setObjectName(QStringLiteral("duyurucubugu"));
    cubuk->setFixedHeight(40);
    auto* d = new QHBoxLayout(cubuk);
    d->setContentsMargins(0, 0, 0, 0);
    kayanYazi_ = new TKayanYazi(cubuk);
    kayanYazi_->setObjectName(QStringLiteral("kayanyazi"));
    d->addWidget(kayanYazi_, 1);
    altBanner_ = new TKayanResim(cubuk);
    altBanner_->setObjectName(QStringLiteral("altbanner"));
    altBanner_->setFixedWidth(0); // no width until a banner is loaded
    d->addWidget(altBanner_);
    return cubuk;
}

void TForm1::MenuYap() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("genelmenu"));
    auto* mail = menu_->addAction(QStringLiteral("Mail Gönder"));
    mail->setObjectName(QStringLiteral("MailGonder1"));
    menu_->addSeparator();
    auto* sifre = menu_->addAction(QStringLiteral("Şifre Değiştirme İsteği"));
    sifre->setObjectName(QStringLiteral("SifreDegistirme1"));
    // The two forms come with the messaging windows; until then the items say so.
    for (auto* a : {mail, sifre}) {
        a->setEnabled(false);
        a->setToolTip(QStringLiteral("Bu bölüm henüz hazır değil"));
    }
    menu_->addSeparator();
    webSitesi_ = menu_->addAction(QString::fromStdString(bagc.Parametreler().host));
    webSitesi_->setObjectName(QStringLiteral("WebSitesi1"));
    connect(webSitesi_, &QAction::triggered, this, &TForm1::WebSitesiAc);
    menu_->addSeparator();
    auto* cikis = menu_->addAction(QStringLiteral("Çıkış"));
    cikis->setObjectName(QStringLiteral("Cikis1"));
    connect(cikis, &QAction::triggered, this, &QWidget::close);
    menu_->addSeparator();
    raporlar_ = menu_->addAction(QStringLiteral("Raporlar"));
    raporlar_->setObjectName(QStringLiteral("Raporlar1"));
    raporlar_->setEnabled(false);
    raporlar_->setToolTip(QStringLiteral("Bu bölüm henüz hazır değil"));
    menuTusu_->setMenu(menu_);
}

void TForm1::CariDegistir() {
    sales::CariDegistir(bagc, sbilgi, this);
    AnaBilgiAl();
    sepetSekmesi_->Goster();
    // The search result belonged to the former dealer's prices.
    if (!stokListesi_->AramaSuruyor())
        stok.Bosalt();
    sekmeler_->setTabText(sstoklistesi, QStringLiteral("0=Stok Listesi"));
    sekmeler_->setCurrentIndex(sstoklistesi);
    araedit->selectAll();
    araedit->setFocus();
}

void TForm1::WebSitesiAc() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + webSitesi_->text() + QLatin1Char('/')));
    araedit->selectAll();
    araedit->setFocus();
}

void TForm1::KullaniciTipiUygula(int musteriTipi) {
    kurallar_ = KurallariVer(musteriTipi);
    baskaCari_->setVisible(kurallar_.baskaCariSec);
    raporlar_->setVisible(kurallar_.raporlar);
    sekmeler_->setTabVisible(skampanyali, !kurallar_.kampanyaGizli);
    stokListesi_->KurallariUygula(kurallar_);
    yeniler_->SutunlariAta(katalog::YeniSutunlari(kurallar_));
    kampanyalilar_->SutunlariAta(katalog::KampanyaSutunlari(kurallar_));
    sepetSekmesi_->KurallariUygula(kurallar_);
}

bool TForm1::GirisYap() {
    Tgirisform giris(bagc, sbilgi);
    if (giris.exec() != QDialog::Accepted)
        return false;
    KullaniciTipiUygula(sbilgi.MusteriTipi);
    return true;
}

void TForm1::AnaBilgiAl() {
    kullaniciDegeri_->setText(QString::fromStdString(sbilgi.ADI));
    firmaDegeri_->setText(QString::fromStdString(sbilgi.CariAdi));
    temsilciDegeri_->setText(QString::fromStdString(sbilgi.SaticiAdi) + QStringLiteral(" Telefonu: ") +
                             QString::fromStdString(sbilgi.SaticiTelefon) + QStringLiteral(" email: ") +
                             QString::fromStdString(sbilgi.SaticiMail));
}

bool TForm1::Baslat() {
    acilisadet = 0;
    if (!GirisYap()) {
        SurecBitir(0);
        return false;
    }
    AcilisIsleriniBaslat();
    return true;
}

void TForm1::AcilisIsleriniBaslat() {
    // The start-up loaders run one after the other on one worker; each writes to the window
    // only through the user-interface thread. The connection settings are copied here, so the
    // worker never reads the configured connection itself.
    auto ayarlar = bagc.Parametreler();
    ArkaPlanCagrisi([this, ayarlar] {
        ArayuzdeCalistir([this] { AnaBilgiAl(); });
        KayanYaziAl(ayarlar);
    })->Await([] {});
}

void TForm1::KayanYaziAl(const BaglantiParametreleri& ayarlar) {
    TBaglanti baglanti(ayarlar);
    if (!BaglantiAc(baglanti, 1))
        return;
    // A remote error is not caught here: it ends the start-up work and reaches the error report.
    std::string metin;
    {
        TServerMethods1Client istemci(baglanti.DBXConnection());
        metin = istemci.KayanYaziGetir();
    }
    baglanti.Kapat();
    const QString yazi = QString::fromStdString(metin).trimmed();
    ArayuzdeCalistir([this, yazi] {
        kayanYazi_->OgeAta(yazi);
        if (!yazi.isEmpty())
            kayanYazi_->Baslat();
    });
}

void TForm1::closeEvent(QCloseEvent* olay) {
    olay->ignore();
    if (MesajVer(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), mtSoru, kEvetHayirTuslari, mbEvet) ==
        mrEvet)
        SurecBitir(0);
}

} // namespace rvz::app
