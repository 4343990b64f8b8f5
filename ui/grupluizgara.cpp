#include "grupluizgara.h"

#include "altbilgi.h"
#include "grupmodeli.h"
#include "hucrecizici.h"
#include "izgaramodeli.h"
#include "ozet.h"
#include "veriseti.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace rvz {

TGrupluIzgara::TGrupluIzgara(QWidget* ebeveyn)
    : QWidget(ebeveyn), duz_(new TIzgaraModeli(this)), grup_(new TGrupModeli(*duz_, this)),
      agac_(new QTreeView(this)) {
    agac_->setModel(grup_);
    agac_->setItemDelegate(new THucreCizici(*duz_, agac_, [this](const QModelIndex& i) {
        const int satir = grup_->VeriSatiri(i);
        return satir >= 0 && i.column() > 0 ? duz_->index(satir, i.column() - 1) : QModelIndex();
    }));
    agac_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    agac_->setSelectionBehavior(QAbstractItemView::SelectRows);
    agac_->setAlternatingRowColors(true);
    agac_->setUniformRowHeights(true);
    agac_->setRootIsDecorated(true);
    agac_->header()->setDefaultAlignment(Qt::AlignCenter);
    agac_->header()->setStretchLastSection(false);
    agac_->header()->resizeSection(0, 28);
    alt_ = new TAltBilgi(agac_->header(), this);
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->setSpacing(0);
    duzen->addWidget(agac_, 1);
    duzen->addWidget(alt_);
    connect(grup_, &QAbstractItemModel::modelReset, this, &TGrupluIzgara::Yenile);
    connect(agac_->horizontalScrollBar(), &QScrollBar::valueChanged, alt_, qOverload<>(&QWidget::update));
}

TGrupluIzgara::~TGrupluIzgara() {
    duz_->VeriSetiAyir();
}

void TGrupluIzgara::SutunlariTanimla(std::vector<TIzgaraSutunu> sutunlar, std::string grupAlani) {
    duz_->SutunlariTanimla(std::move(sutunlar));
    grup_->GrupAlaniAta(std::move(grupAlani));
}

void TGrupluIzgara::VeriSetiBagla(TVeriSeti* veri) {
    duz_->VeriSetiBagla(veri);
}

void TGrupluIzgara::Yenile() {
    for (int i = 0; i < duz_->columnCount(); ++i)
        agac_->setColumnHidden(i + 1, !duz_->Sutunlar()[static_cast<std::size_t>(i)].gorunur);
    for (int g = 0; g < grup_->GrupSayisi(); ++g)
        agac_->setFirstColumnSpanned(g * 2, {}, true);
    agac_->expandAll();
    QMap<int, QString> metinler;
    const auto* veri = duz_->VeriSeti();
    std::vector<int> hepsi(static_cast<std::size_t>(duz_->rowCount()));
    for (std::size_t i = 0; i < hepsi.size(); ++i)
        hepsi[i] = static_cast<int>(i);
    for (int i = 0; i < duz_->columnCount(); ++i) {
        const auto cins = duz_->Sutunlar()[static_cast<std::size_t>(i)].ozet;
        if (veri && cins != OzetCinsi::Yok)
            metinler[i + 1] = OzetMetni(*veri, duz_->AlanNo(i), cins, hepsi);
    }
    alt_->MetinleriAta(std::move(metinler));
}

void TGrupluIzgara::HepsiniDaralt() {
    agac_->collapseAll();
}
void TGrupluIzgara::HepsiniAc() {
    agac_->expandAll();
}

void TGrupluIzgara::IcerigeSigdir() {
    for (int i = 1; i < grup_->columnCount(); ++i)
        agac_->resizeColumnToContents(i);
}

QString TGrupluIzgara::AltBilgiMetni(int sutun) const {
    return alt_->Metin(sutun + 1);
}

TAktarimTablosu TGrupluIzgara::AktarimTablosu() const {
    TAktarimTablosu t;
    std::vector<int> sutunlar;
    const auto* baslik = agac_->header();
    for (int gorsel = 0; gorsel < baslik->count(); ++gorsel) {
        const int i = baslik->logicalIndex(gorsel);
        if (i == 0 || agac_->isColumnHidden(i))
            continue;
        sutunlar.push_back(i - 1);
        t.basliklar << duz_->headerData(i - 1, Qt::Horizontal).toString();
        t.ikiOndalik.push_back(duz_->IkiOndalikli(i - 1));
    }
    // Groups expanded: caption, rows, footer.
    for (int g = 0; g < grup_->GrupSayisi(); ++g) {
        std::vector<QVariant> baslikSatiri(sutunlar.size());
        if (!baslikSatiri.empty())
            baslikSatiri[0] = grup_->GrupBasligi(g);
        t.satirlar.push_back(std::move(baslikSatiri));
        t.vurgulu.push_back(true);
        for (int satir : grup_->GrupSatirlari(g)) {
            std::vector<QVariant> hucreler;
            for (int s : sutunlar)
                hucreler.push_back(duz_->AktarimDegeri(satir, s));
            t.satirlar.push_back(std::move(hucreler));
            t.vurgulu.push_back(false);
        }
        std::vector<QVariant> ozetler;
        for (int s : sutunlar) {
            const auto metin = grup_->GrupOzeti(g, s);
            ozetler.push_back(metin.isEmpty() ? QVariant() : QVariant(metin));
        }
        t.satirlar.push_back(std::move(ozetler));
        t.vurgulu.push_back(true);
    }
    return t;
}

} // namespace rvz
