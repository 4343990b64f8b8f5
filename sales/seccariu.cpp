#include "seccariu.h"

#include "arama_metni.h"
#include "beklesinu.h"
#include "cari_bilgileri.h"
#include "cari_cagrilari.h"
#include "cari_sutunlari.h"
#include "durum_tuslari.h"
#include "izgara.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

#include <QAbstractItemModel>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>
#include <optional>
#include <utility>

namespace rvz::sales {

namespace {

constexpr int kKenarBoslugu = 50; // from each edge of the screen's work area

QPushButton* AltTus(const QString& yazi, const char* ad, QWidget* ust) {
    auto* tus = new QPushButton(yazi, ust);
    tus->setObjectName(QString::fromLatin1(ad));
    // Enter belongs to the search box; no button may take it as the dialog's default.
    tus->setAutoDefault(false);
    tus->setDefault(false);
    tus->setMinimumWidth(120);
    return tus;
}

} // namespace

Tseccari::Tseccari(app::TBaglanti& bag_, TSonucBilgisi& bilgim_, QWidget* ust)
    : QDialog(ust), bag(bag_), bilgim(bilgim_), cariler_(std::make_unique<TVeriSeti>()) {
    setObjectName(QStringLiteral("seccari"));
    setWindowTitle(QStringLiteral("Cari Seçimi"));

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(TusCubuguYap());
    duzen->addWidget(AramaKutusuYap());
    duzen->addWidget(OrtaYap(), 1);
    duzen->addLayout(AltCubukYap());

    MenuYap();

    auto* ekran = ust && ust->screen() ? ust->screen() : QGuiApplication::primaryScreen();
    if (ekran)
        setGeometry(ekran->availableGeometry().adjusted(kKenarBoslugu, kKenarBoslugu, -kKenarBoslugu,
                                                        -kKenarBoslugu));
    NEdit1->setFocus();
}

Tseccari::~Tseccari() {
    izgara_->VeriSetiAyir();
}

QHBoxLayout* Tseccari::TusCubuguYap() {
    auto* tuslar = new QHBoxLayout;
    tuslar->setSpacing(6);
    for (const auto& t : DurumTuslari()) {
        auto* tus = new QToolButton(this);
        tus->setObjectName(QString::fromLatin1(t.ad));
        tus->setToolTip(t.ipucu);
        tus->setAccessibleName(QString(t.ipucu).replace(QStringLiteral("\r\n"), QString()).simplified());
        tus->setIcon(DurumResmi(t));
        tus->setIconSize(QSize(40, 40));
        tus->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tus->setMinimumSize(76, 72);
        tuslar->addWidget(tus);
        const int n = t.durum;
        connect(tus, &QToolButton::clicked, this, [this, n] {
            if (n == 0) {
                NEdit1->clear();
                CariListele();
            } else {
                DurumaGoreListele(n);
            }
            if (n <= 1) {
                NEdit1->selectAll();
                NEdit1->setFocus();
            }
        });
    }
    tuslar->addStretch(1);
    // Reads "0" until the counts arrive, as the others read nothing.
    DurumTusu("goruldutus")->setText(QStringLiteral("0"));

    return tuslar;
}

QLineEdit* Tseccari::AramaKutusuYap() {
    NEdit1 = new QLineEdit(this);
    NEdit1->setObjectName(QStringLiteral("NEdit1"));
    NEdit1->setAccessibleName(QStringLiteral("Cari Arama"));
    NEdit1->setPlaceholderText(QStringLiteral("Cari kodu, adı, il ya da ilçe yazıp Enter'a basın"));
    connect(NEdit1, &QLineEdit::textEdited, this, [this](const QString& metin) {
        const QString buyuk = QLocale(QLocale::Turkish, QLocale::Turkey).toUpper(metin);
        if (buyuk == metin)
            return;
        const int imlec = NEdit1->cursorPosition();
        NEdit1->setText(buyuk);
        NEdit1->setCursorPosition(imlec);
    });
    connect(NEdit1, &QLineEdit::returnPressed, this, [this] {
        CariListele();
        NEdit1->selectAll();
        NEdit1->setFocus();
    });

    return NEdit1;
}

QWidget* Tseccari::OrtaYap() {
    izgara_ = new TIzgara(this);
    izgara_->setObjectName(QStringLiteral("cxGrid1"));
    izgara_->SutunlariTanimla(CariSutunlari());
    izgara_->SatirYuksekligi(24);
    izgara_->BaslikYuksekligi(28);
    izgara_->AltBilgiGorunur(true);
    izgara_->VeriSetiBagla(cariler_.get());
    izgara_->IcerigeSigdir(); // captions readable before the first listing
    connect(izgara_, &TIzgara::CiftTiklandi, this, [this](int) { CariSec(); });
    connect(izgara_->Tablo()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { OdakDegisti(); });
    // A header filter or a sort can take the focused row away without a current-row signal.
    auto* gorunen = izgara_->Tablo()->model();
    connect(gorunen, &QAbstractItemModel::layoutChanged, this, [this] { OdakDegisti(); });
    connect(gorunen, &QAbstractItemModel::modelReset, this, [this] { OdakDegisti(); });
    connect(gorunen, &QAbstractItemModel::rowsRemoved, this, [this] { OdakDegisti(); });

    bilgiler_ = new TCariBilgileri(this);
    bilgiAlani_ = new QScrollArea(this);
    bilgiAlani_->setObjectName(QStringLiteral("bilgialani"));
    bilgiAlani_->setWidget(bilgiler_);
    bilgiAlani_->setWidgetResizable(true);
    bilgiAlani_->setFrameShape(QFrame::NoFrame);
    bilgiAlani_->setMinimumWidth(260);
    bilgiAlani_->hide();

    auto* bolucu = new QSplitter(Qt::Horizontal, this);
    bolucu->setObjectName(QStringLiteral("cxSplitter1"));
    bolucu->addWidget(izgara_);
    bolucu->addWidget(bilgiAlani_);
    bolucu->setStretchFactor(0, 3);
    bolucu->setStretchFactor(1, 1);
    bolucu->setChildrenCollapsible(false);

    return bolucu;
}

QHBoxLayout* Tseccari::AltCubukYap() {
    sec_ = AltTus(QStringLiteral("Seç"), "sec", this);
    vazgec_ = AltTus(QStringLiteral("Vazgeç"), "vazgec", this);
    connect(sec_, &QPushButton::clicked, this, &Tseccari::CariSec);
    connect(vazgec_, &QPushButton::clicked, this, &QDialog::reject);
    auto* alt = new QHBoxLayout;
    alt->addWidget(sec_);
    alt->addStretch(1);
    alt->addWidget(vazgec_);

    return alt;
}

void Tseccari::MenuYap() {
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupMenu1"));
    const auto ekle = [this](const QString& yazi, const char* ad) {
        auto* secenek = menu_->addAction(yazi);
        secenek->setObjectName(QString::fromLatin1(ad));
        // The dealer reports and the backorders come with their own windows.
        secenek->setEnabled(false);
    };
    ekle(QStringLiteral("Cari Özeti Göster"), "CariOzetiGoster");
    menu_->addSeparator();
    ekle(QStringLiteral("Bakiyelerini Göster"), "BakiyeleriniGoster");
    menu_->addSeparator();
    ekle(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"), "CariAlisSatisTablosu");
    ekle(QStringLiteral("Cari Toplu Alacak Vadeleri"), "CariTopluAlacakVadeleri");
    auto* tablo = izgara_->Tablo();
    tablo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tablo, &QWidget::customContextMenuRequested, this,
            [this, tablo](const QPoint& konum) { menu_->popup(tablo->viewport()->mapToGlobal(konum)); });
}

QToolButton* Tseccari::DurumTusu(const char* ad) const {
    return findChild<QToolButton*>(QString::fromLatin1(ad));
}

CagriOrtami Tseccari::Ortam() const {
    CagriOrtami o;
    o.ayarlar = bag.Parametreler();
    o.oturum.Kopyala(bilgim);
    return o;
}

template <class Sonuc, class Is, class Bitince> void Tseccari::Arkada(Is is, Bitince bitince) {
    struct Durum {
        std::optional<Sonuc> sonuc;
        std::exception_ptr hata;
    };
    auto durum = std::make_shared<Durum>();
    ++bekleyen_;
    QPointer<Tseccari> pencere(this);
    app::ArkaPlanCagrisi([durum, is, ortam = Ortam()] {
        // Kept until the completion knows whether the window is still there to report it.
        try {
            durum->sonuc.emplace(is(ortam));
        } catch (...) {
            durum->hata = std::current_exception();
        }
    })->Await([pencere, durum, bitince] {
        if (!pencere)
            return;
        --pencere->bekleyen_;
        if (durum->hata)
            std::rethrow_exception(durum->hata);
        bitince(std::move(*durum->sonuc));
    });
}

void Tseccari::SepetSayisiYaz() {
    Arkada<int>(&SepettekiCariSayisi, [this](int sayi) {
        DurumTusu("sepettus")->setText(sayi < 1 ? QString() : QString::number(sayi));
    });
}

void Tseccari::TusSonuclari() {
    Arkada<TTusSonuclari>(&DurumSayilari, [this](const TTusSonuclari& t) {
        const std::pair<const char*, std::int32_t> yazilar[] = {
            {"alinditus", t.Alindi},         {"onaylanditus", t.Onaylandi},
            {"goruldutus", t.Goruldu},       {"parcalihazirlandi", t.ParcaliHazirlandi},
            {"hazirlanditus", t.Hazirlandi}, {"sevktus", t.SevkEdildi},
        };
        for (const auto& [ad, sayi] : yazilar)
            DurumTusu(ad)->setText(QString::number(sayi));
    });
}

void Tseccari::CariListele() {
    const auto aranan = CariAramaMetni(NEdit1->text()).toStdString();
    Listele([aranan](const CagriOrtami& o) { return CarileriAra(o, aranan); });
}

void Tseccari::DurumaGoreListele(int n) {
    Listele([n](const CagriOrtami& o) { return DurumdakiCariler(o, n); });
}

void Tseccari::Listele(std::function<std::unique_ptr<TVeriSeti>(const CagriOrtami&)> is) {
    const int no = ++sonListe_;
    Arkada<std::unique_ptr<TVeriSeti>>(std::move(is), [this, no](std::unique_ptr<TVeriSeti> yeni) {
        // An older listing that comes back late is not shown over a newer one.
        if (no == sonListe_)
            ListeyiAl(std::move(yeni));
    });
}

void Tseccari::ListeyiAl(std::unique_ptr<TVeriSeti> yeni) {
    SayiBicimiVer(*yeni);
    // The old rows live until the grid has let go of them.
    const auto eski = std::exchange(cariler_, std::move(yeni));
    izgara_->VeriSetiBagla(cariler_.get());
    izgara_->IcerigeSigdir();
    const auto satirlar = izgara_->GorunenSatirlar();
    if (!satirlar.empty())
        izgara_->OdakSatirAta(satirlar.front());
    OdakDegisti();
}

void Tseccari::OdakDegisti() {
    const int satir = izgara_->OdakSatir();
    if (satir < 0 || satir >= cariler_->RecordCount()) {
        bilgiAlani_->hide();
        return;
    }
    bilgiler_->Doldur(*cariler_, satir);
    bilgiAlani_->show();
}

void Tseccari::CariSec() {
    const int satir = izgara_->OdakSatir();
    const int carino = cariler_->AlanNo("CARINO");
    if (satir < 0 || satir >= cariler_->RecordCount() || carino < 0 || cariler_->BosMu(satir, carino))
        return;
    const double no = cariler_->SayiDegeri(satir, carino);
    if (!(no > 0))
        return;
    const auto metin = [&](const char* alan) {
        const int sutun = cariler_->AlanNo(alan);
        return sutun < 0 ? std::string() : cariler_->Deger(satir, sutun).toString().toStdString();
    };
    bilgim.CARINO = static_cast<std::int32_t>(no);
    bilgim.carikod = metin("CARIKOD");
    bilgim.CariAdi = metin("CARIADI");
    accept();
}

} // namespace rvz::sales
