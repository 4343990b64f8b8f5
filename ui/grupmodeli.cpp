#include "grupmodeli.h"

#include "ozet.h"

#include <QBrush>
#include <QCollator>
#include <QFont>
#include <QLocale>

#include <algorithm>
#include <map>

namespace rvz {

TGrupModeli::TGrupModeli(TIzgaraModeli& duz, QObject* ebeveyn) : QAbstractItemModel(ebeveyn), duz_(duz) {
    connect(&duz_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&duz_, &QAbstractItemModel::modelReset, this, [this] {
        Kur();
        endResetModel();
    });
    connect(&duz_, &QAbstractItemModel::dataChanged, this, [this] {
        beginResetModel();
        Kur();
        endResetModel();
    });
}

void TGrupModeli::GrupAlaniAta(std::string alan) {
    beginResetModel();
    alan_ = std::move(alan);
    Kur();
    endResetModel();
}

void TGrupModeli::Kur() {
    gruplar_.clear();
    const auto* veri = duz_.VeriSeti();
    if (!veri)
        return;
    const int alan = veri->AlanNo(alan_);
    std::map<QString, std::vector<int>> gecici;
    for (int i = 0; i < duz_.rowCount(); ++i)
        gecici[alan >= 0 ? veri->GosterimMetni(i, alan) : QString()].push_back(i);
    for (auto& [deger, satirlar] : gecici)
        gruplar_.push_back({deger, std::move(satirlar)});
    QCollator siralama(QLocale(QLocale::Turkish, QLocale::Turkey));
    siralama.setNumericMode(true);
    std::stable_sort(gruplar_.begin(), gruplar_.end(),
                     [&](const Grup& a, const Grup& b) { return siralama.compare(a.deger, b.deger) < 0; });
}

QString TGrupModeli::GrupBasligi(int grup) const {
    const int sutun = duz_.SutunNo(alan_);
    const QString ad =
        sutun >= 0 ? duz_.headerData(sutun, Qt::Horizontal).toString() : QString::fromStdString(alan_);
    const auto& g = gruplar_.at(static_cast<std::size_t>(grup));
    return QStringLiteral("%1: %2").arg(ad, g.deger);
}

QString TGrupModeli::GrupOzeti(int grup, int sutun) const {
    const auto* veri = duz_.VeriSeti();
    if (!veri || sutun < 0 || sutun >= duz_.columnCount())
        return {};
    return OzetMetni(*veri, duz_.AlanNo(sutun), duz_.Sutunlar()[static_cast<std::size_t>(sutun)].ozet,
                     GrupSatirlari(grup));
}

TGrupModeli::SatirCinsi TGrupModeli::Cinsi(const QModelIndex& indeks) const {
    if (indeks.internalId() != 0)
        return SatirCinsi::Veri;
    return indeks.row() % 2 == 0 ? SatirCinsi::GrupBasligi : SatirCinsi::GrupAltBilgisi;
}

int TGrupModeli::VeriSatiri(const QModelIndex& indeks) const {
    if (!indeks.isValid() || indeks.internalId() == 0)
        return -1;
    return GrupSatirlari(static_cast<int>(indeks.internalId() - 1))
        .at(static_cast<std::size_t>(indeks.row()));
}

QModelIndex TGrupModeli::index(int satir, int sutun, const QModelIndex& ebeveyn) const {
    if (!hasIndex(satir, sutun, ebeveyn))
        return {};
    if (!ebeveyn.isValid())
        return createIndex(satir, sutun, quintptr{0});
    return createIndex(satir, sutun, static_cast<quintptr>(ebeveyn.row() / 2 + 1));
}

QModelIndex TGrupModeli::parent(const QModelIndex& indeks) const {
    if (!indeks.isValid() || indeks.internalId() == 0)
        return {};
    return createIndex(static_cast<int>(indeks.internalId() - 1) * 2, 0, quintptr{0});
}

int TGrupModeli::rowCount(const QModelIndex& ebeveyn) const {
    if (!ebeveyn.isValid())
        return static_cast<int>(gruplar_.size()) * 2;
    if (ebeveyn.internalId() != 0 || ebeveyn.column() != 0 || ebeveyn.row() % 2 != 0)
        return 0;
    return static_cast<int>(GrupSatirlari(ebeveyn.row() / 2).size());
}

int TGrupModeli::columnCount(const QModelIndex&) const {
    return duz_.columnCount() + 1;
}

QVariant TGrupModeli::data(const QModelIndex& indeks, int rol) const {
    if (!checkIndex(indeks, CheckIndexOption::IndexIsValid))
        return {};
    const int sutun = indeks.column() - 1;
    switch (Cinsi(indeks)) {
    case SatirCinsi::Veri:
        return sutun < 0 ? QVariant() : duz_.data(duz_.index(VeriSatiri(indeks), sutun), rol);
    case SatirCinsi::GrupBasligi:
        if (rol == Qt::DisplayRole && sutun < 0)
            return GrupBasligi(indeks.row() / 2);
        break;
    case SatirCinsi::GrupAltBilgisi:
        if (rol == Qt::DisplayRole && sutun >= 0)
            return GrupOzeti(indeks.row() / 2, sutun);
        if (rol == Qt::TextAlignmentRole)
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        if (rol == Qt::BackgroundRole)
            return QBrush(QColor(236, 240, 245));
        break;
    }
    if (rol == Qt::FontRole) {
        QFont kalin;
        kalin.setBold(true);
        return kalin;
    }
    return {};
}

QVariant TGrupModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (yon == Qt::Horizontal && bolum == 0)
        return rol == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    if (yon == Qt::Horizontal && bolum > 0 && bolum < columnCount())
        return duz_.headerData(bolum - 1, yon, rol);
    return QAbstractItemModel::headerData(bolum, yon, rol);
}

Qt::ItemFlags TGrupModeli::flags(const QModelIndex& indeks) const {
    if (!indeks.isValid())
        return Qt::NoItemFlags;
    if (Cinsi(indeks) == SatirCinsi::GrupBasligi)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace rvz
