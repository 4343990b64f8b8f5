#include "izgara.h"

#include "altbilgi.h"
#include "hucrecizici.h"
#include "izgarabasligi.h"
#include "izgaramodeli.h"
#include "izgarasuzgeci.h"
#include "izgaratablosu.h"
#include "ozet.h"
#include "veriseti.h"

#include <QCollator>
#include <QLocale>
#include <QMenu>
#include <QScrollBar>
#include <QSet>
#include <QVBoxLayout>

#include <algorithm>

namespace rvz {

namespace {
// More distinct values than this make the filter menu unusable; the first ones are offered.
constexpr int kEnCokSuzgecDegeri = 500;
} // namespace

TIzgara::TIzgara(QWidget* ebeveyn)
    : QWidget(ebeveyn), model_(new TIzgaraModeli(this)), suzgec_(new TIzgaraSuzgeci(this)),
      tablo_(new TIzgaraTablosu(this)), baslik_(new TIzgaraBasligi(tablo_)) {
    suzgec_->setSourceModel(model_);
    tablo_->setHorizontalHeader(baslik_);
    tablo_->setModel(suzgec_);
    tablo_->setItemDelegate(new THucreCizici(*model_, tablo_));
    tablo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tablo_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tablo_->setSelectionMode(QAbstractItemView::SingleSelection);
    tablo_->setAlternatingRowColors(true);
    tablo_->setWordWrap(true);
    tablo_->setSortingEnabled(true);
    tablo_->sortByColumn(-1, Qt::AscendingOrder); // server order until the user sorts
    tablo_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    tablo_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The row indicator: narrow, but wide enough for the row numbers it shows.
    tablo_->verticalHeader()->setMinimumWidth(14);
    baslik_->setSectionsMovable(true);
    baslik_->setContextMenuPolicy(Qt::CustomContextMenu);
    baslik_->SuzgecDurumuSorgusu([this](int sutun) { return suzgec_->SuzgecVar(sutun); });

    alt_ = new TAltBilgi(baslik_, this);
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(tablo_, 1);
    duzen->addWidget(alt_);

    BaslikYuksekligi(40);
    SatirYuksekligi(40);

    connect(baslik_, &TIzgaraBasligi::SuzgecIstendi, this, &TIzgara::SuzgecMenusuGoster);
    connect(baslik_, &QWidget::customContextMenuRequested, this, [this](const QPoint& konum) {
        auto* menu = SutunSeciciOlustur(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(baslik_->mapToGlobal(konum));
    });
    connect(tablo_->horizontalScrollBar(), &QScrollBar::valueChanged, alt_, qOverload<>(&QWidget::update));
    connect(tablo_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            emit CiftTiklandi(suzgec_->mapToSource(i).row());
    });
    const auto ozetler = [this] { AltBilgiyiGuncelle(); };
    connect(suzgec_, &QAbstractItemModel::modelReset, this, ozetler);
    connect(suzgec_, &QAbstractItemModel::rowsInserted, this, ozetler);
    connect(suzgec_, &QAbstractItemModel::rowsRemoved, this, ozetler);
    connect(suzgec_, &QAbstractItemModel::layoutChanged, this, ozetler);
    connect(suzgec_, &QAbstractItemModel::dataChanged, this, ozetler);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { GorunurlukleriUygula(); });
    connect(suzgec_, &TIzgaraSuzgeci::SuzgecDegisti, baslik_->viewport(), qOverload<>(&QWidget::update));
}

TIzgara::~TIzgara() {
    // The model stops listening to the dataset before the dataset may go.
    model_->VeriSetiAyir();
}

void TIzgara::SutunlariTanimla(std::vector<TIzgaraSutunu> sutunlar) {
    model_->SutunlariTanimla(std::move(sutunlar));
    GorunurlukleriUygula();
}

void TIzgara::GorunurlukleriUygula() {
    for (int i = 0; i < model_->columnCount(); ++i)
        tablo_->setColumnHidden(i, !model_->Sutunlar()[static_cast<std::size_t>(i)].gorunur);
    AltBilgiyiGuncelle();
}

const std::vector<TIzgaraSutunu>& TIzgara::Sutunlar() const {
    return model_->Sutunlar();
}
int TIzgara::SutunNo(std::string_view alan) const {
    return model_->SutunNo(alan);
}

void TIzgara::VeriSetiBagla(TVeriSeti* veri) {
    model_->VeriSetiBagla(veri);
}
TVeriSeti* TIzgara::VeriSeti() const {
    return model_->VeriSeti();
}

TVeriSeti& TIzgara::KendiSatirlari() {
    if (!kendi_)
        kendi_ = std::make_unique<TVeriSeti>();
    if (model_->VeriSeti() != kendi_.get())
        model_->VeriSetiBagla(kendi_.get());
    return *kendi_;
}

void TIzgara::BaslikYuksekligi(int piksel) {
    baslik_->setFixedHeight(piksel);
}

void TIzgara::SatirYuksekligi(int piksel) {
    tablo_->verticalHeader()->setMinimumSectionSize(std::min(piksel, 20));
    tablo_->verticalHeader()->setDefaultSectionSize(piksel);
}

int TIzgara::SatirYuksekligi() const {
    return tablo_->verticalHeader()->defaultSectionSize();
}

void TIzgara::RenkleriAyarla(const QColor& cift, const QColor& tek, const QColor& secili) {
    QPalette p = tablo_->palette();
    p.setColor(QPalette::Base, cift);
    p.setColor(QPalette::AlternateBase, tek);
    p.setColor(QPalette::Highlight, secili);
    p.setColor(QPalette::Inactive, QPalette::Highlight, secili);
    p.setColor(QPalette::HighlightedText, secili.lightness() > 140 ? Qt::black : Qt::white);
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::HighlightedText));
    tablo_->setPalette(p);
}

void TIzgara::BasliklarGorunur(bool gorunur) {
    baslik_->setVisible(gorunur);
}

void TIzgara::SiralamaAcik(bool acik) {
    tablo_->setSortingEnabled(acik);
    if (!acik)
        suzgec_->sort(-1);
}

void TIzgara::SuzgecDugmeleriAcik(bool acik) {
    baslik_->SuzgecDugmeleriAcik(acik);
}
void TIzgara::AltBilgiGorunur(bool gorunur) {
    alt_->setVisible(gorunur);
}

void TIzgara::SutunGorunur(int sutun, bool gorunur) {
    model_->Sutun(sutun).gorunur = gorunur;
    tablo_->setColumnHidden(sutun, !gorunur);
    alt_->update();
}

bool TIzgara::SutunGorunurMu(int sutun) const {
    return !tablo_->isColumnHidden(sutun);
}

QMenu* TIzgara::SutunSeciciOlustur(QWidget* ebeveyn) {
    auto* menu = new QMenu(QStringLiteral("Sütun Seçici"), ebeveyn);
    menu->setObjectName(QStringLiteral("sutunsecici"));
    for (int i = 0; i < model_->columnCount(); ++i) {
        const auto& s = model_->Sutunlar()[static_cast<std::size_t>(i)];
        if (!s.sunulan)
            continue;
        auto* secenek = menu->addAction(model_->headerData(i, Qt::Horizontal).toString());
        secenek->setObjectName(QString::fromStdString(s.alan));
        secenek->setCheckable(true);
        secenek->setChecked(SutunGorunurMu(i));
        connect(secenek, &QAction::toggled, this, [this, i](bool acik) { SutunGorunur(i, acik); });
    }
    return menu;
}

void TIzgara::IcerigeSigdir() {
    tablo_->resizeColumnsToContents();
}

void TIzgara::SuzgecAyarla(int sutun, const QString& deger) {
    suzgec_->SuzgecAyarla(sutun, deger);
}
void TIzgara::SuzgeciTemizle() {
    suzgec_->SuzgeciTemizle();
}

QStringList TIzgara::SuzgecDegerleri(int sutun) const {
    QSet<QString> gorulen;
    QStringList degerler;
    for (int i = 0; i < model_->rowCount() && degerler.size() < kEnCokSuzgecDegeri; ++i) {
        const auto metin = TIzgaraSuzgeci::HucreMetni(model_->index(i, sutun));
        if (!gorulen.contains(metin)) {
            gorulen.insert(metin);
            degerler.append(metin);
        }
    }
    QCollator siralama(QLocale(QLocale::Turkish, QLocale::Turkey));
    siralama.setNumericMode(true);
    std::sort(degerler.begin(), degerler.end(), siralama);
    return degerler;
}

void TIzgara::SuzgecMenusuGoster(int sutun, const QPoint& konum) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("suzgecmenusu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(QStringLiteral("(Tümü)")), &QAction::triggered, this,
            [this, sutun] { suzgec_->SuzgecKaldir(sutun); });
    menu->addSeparator();
    for (const auto& deger : SuzgecDegerleri(sutun)) {
        auto* secenek = menu->addAction(deger.isEmpty() ? QStringLiteral("(Boş)") : deger);
        connect(secenek, &QAction::triggered, this, [this, sutun, deger] { SuzgecAyarla(sutun, deger); });
    }
    menu->popup(konum);
}

std::vector<int> TIzgara::GorunenSatirlar() const {
    std::vector<int> satirlar;
    satirlar.reserve(static_cast<std::size_t>(suzgec_->rowCount()));
    for (int i = 0; i < suzgec_->rowCount(); ++i)
        satirlar.push_back(suzgec_->mapToSource(suzgec_->index(i, 0)).row());
    return satirlar;
}

void TIzgara::AltBilgiyiGuncelle() {
    QMap<int, QString> metinler;
    const auto* veri = model_->VeriSeti();
    const auto satirlar = veri ? GorunenSatirlar() : std::vector<int>{};
    for (int i = 0; i < model_->columnCount(); ++i) {
        const auto cins = model_->Sutunlar()[static_cast<std::size_t>(i)].ozet;
        if (cins != OzetCinsi::Yok)
            metinler[i] = veri ? OzetMetni(*veri, model_->AlanNo(i), cins, satirlar) : QString();
    }
    alt_->MetinleriAta(std::move(metinler));
}

QString TIzgara::AltBilgiMetni(int sutun) const {
    return alt_->Metin(sutun);
}

int TIzgara::OdakSatir() const {
    const auto i = tablo_->currentIndex();
    return i.isValid() ? suzgec_->mapToSource(i).row() : -1;
}

void TIzgara::OdakSatirAta(int veriSatiri) {
    const auto i = suzgec_->mapFromSource(model_->index(veriSatiri, 0));
    if (i.isValid())
        tablo_->setCurrentIndex(i);
}

TAktarimTablosu TIzgara::AktarimTablosu() const {
    TAktarimTablosu t;
    std::vector<int> sutunlar;
    for (int gorsel = 0; gorsel < baslik_->count(); ++gorsel) {
        const int i = baslik_->logicalIndex(gorsel);
        if (tablo_->isColumnHidden(i))
            continue;
        sutunlar.push_back(i);
        t.basliklar << model_->headerData(i, Qt::Horizontal).toString();
        t.ikiOndalik.push_back(model_->IkiOndalikli(i));
    }
    for (int satir : GorunenSatirlar()) {
        std::vector<QVariant> hucreler;
        for (int i : sutunlar)
            hucreler.push_back(model_->AktarimDegeri(satir, i));
        t.satirlar.push_back(std::move(hucreler));
        t.vurgulu.push_back(false);
    }
    return t;
}

QTableView* TIzgara::Tablo() const {
    return tablo_;
}
QHeaderView* TIzgara::Baslik() const {
    return baslik_;
}

} // namespace rvz
