// Table model over a dataset and a grid's column declarations. One model column per
// declared column (hidden ones included); a declared field the dataset lacks stays empty.
#pragma once

#include "izgarasutunu.h"
#include "veriseti.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

#include <vector>

namespace rvz {

class TIzgaraModeli : public QAbstractTableModel, private TVeriSetiDinleyici {
    Q_OBJECT
public:
    // The cell's value as the dataset holds it (numbers as numbers), for sums, sorting,
    // filters and the export.
    static constexpr int HamDegerRolu = Qt::UserRole + 1;

    explicit TIzgaraModeli(QObject* ebeveyn = nullptr);
    ~TIzgaraModeli() override;

    void SutunlariTanimla(std::vector<TIzgaraSutunu> sutunlar);
    const std::vector<TIzgaraSutunu>& Sutunlar() const { return sutunlar_; }
    TIzgaraSutunu& Sutun(int i) { return sutunlar_.at(static_cast<std::size_t>(i)); }
    int SutunNo(std::string_view alan) const; // declared column bound to the field, or -1

    // Attaching shows the dataset's content; detached, the grid is empty and the dataset
    // may be refilled on a worker.
    void VeriSetiBagla(TVeriSeti* veri);
    void VeriSetiAyir() { VeriSetiBagla(nullptr); }
    TVeriSeti* VeriSeti() const { return veri_; }
    // Dataset field behind a model column, or -1.
    int AlanNo(int sutun) const;

    // The cell as the spreadsheet export writes it: numbers as doubles, states by their
    // name, texts as shown; pictures and drawn cells stay empty.
    QVariant AktarimDegeri(int satir, int sutun) const;
    // Whether the export shows the column's numbers with two decimals.
    bool IkiOndalikli(int sutun) const;

    int rowCount(const QModelIndex& ebeveyn = {}) const override;
    int columnCount(const QModelIndex& ebeveyn = {}) const override;
    QVariant data(const QModelIndex& indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;

private:
    void VeriSetiDegisecek() override;
    void VeriSetiDegisti() override;
    void AlanDegisti(int satir, int sutun) override;
    void AlanlariBul();
    QVariant Simge(const TIzgaraSutunu& s, int satir, int alan) const;

    TVeriSeti* veri_ = nullptr;
    std::vector<TIzgaraSutunu> sutunlar_;
    std::vector<int> alanlar_;
    bool sifirlaniyor_ = false;
    mutable QHash<int, QPixmap> resimler_; // decoded pictures of Resim columns by row
};

} // namespace rvz
