// Tree model that groups a grid model's rows by one field: every group is a caption row
// whose children are the group's rows, followed by the group's footer row. The footer is
// a sibling of the caption, so it stays visible while the group is collapsed.
// Column 0 carries the tree and the group captions; declared column i is column i + 1.
#pragma once

#include "izgaramodeli.h"

#include <QAbstractItemModel>
#include <QPointer>

#include <string>
#include <vector>

namespace rvz {

class TGrupModeli : public QAbstractItemModel {
    Q_OBJECT
public:
    enum class SatirCinsi { GrupBasligi, Veri, GrupAltBilgisi };

    explicit TGrupModeli(TIzgaraModeli& duz, QObject* ebeveyn = nullptr);

    void GrupAlaniAta(std::string alan);
    int GrupSayisi() const { return static_cast<int>(gruplar_.size()); }
    QString GrupBasligi(int grup) const;
    const std::vector<int>& GrupSatirlari(int grup) const {
        return gruplar_.at(static_cast<std::size_t>(grup)).satirlar;
    }
    QString GrupOzeti(int grup, int sutun) const; // declared column
    SatirCinsi Cinsi(const QModelIndex& indeks) const;
    int VeriSatiri(const QModelIndex& indeks) const; // dataset row of a data row, else -1

    QModelIndex index(int satir, int sutun, const QModelIndex& ebeveyn = {}) const override;
    QModelIndex parent(const QModelIndex& indeks) const override;
    int rowCount(const QModelIndex& ebeveyn = {}) const override;
    int columnCount(const QModelIndex& ebeveyn = {}) const override;
    QVariant data(const QModelIndex& indeks, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indeks) const override;

private:
    struct Grup {
        QString deger;
        std::vector<int> satirlar;
    };
    void Kur();

    TIzgaraModeli& duz_;
    std::string alan_;
    std::vector<Grup> gruplar_;
};

} // namespace rvz
