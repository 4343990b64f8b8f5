// The grid's filter and sort layer: one value per column chosen from the header's filter
// button; rows match when every filtered column shows exactly that value.
#pragma once

#include <QMap>
#include <QSortFilterProxyModel>

namespace rvz {

class TIzgaraSuzgeci : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TIzgaraSuzgeci(QObject* ebeveyn = nullptr);

    void SuzgecAyarla(int sutun, const QString& deger);
    void SuzgecKaldir(int sutun);
    void SuzgeciTemizle();
    bool SuzgecVar(int sutun) const { return degerler_.contains(sutun); }
    bool SuzgecVar() const { return !degerler_.isEmpty(); }
    // Text a cell is filtered by: the display text, or the raw value for icon cells.
    static QString HucreMetni(const QModelIndex& kaynak);

signals:
    void SuzgecDegisti();

protected:
    bool filterAcceptsRow(int satir, const QModelIndex& ebeveyn) const override;
    bool lessThan(const QModelIndex& sol, const QModelIndex& sag) const override;

private:
    QMap<int, QString> degerler_;
};

} // namespace rvz
