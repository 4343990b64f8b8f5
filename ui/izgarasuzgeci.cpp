#include "izgarasuzgeci.h"

#include "izgaramodeli.h"

#include <QDateTime>

namespace rvz {

TIzgaraSuzgeci::TIzgaraSuzgeci(QObject* ebeveyn) : QSortFilterProxyModel(ebeveyn) {
    setSortRole(TIzgaraModeli::HamDegerRolu);
    setSortLocaleAware(true);
}

void TIzgaraSuzgeci::SuzgecAyarla(int sutun, const QString& deger) {
    degerler_[sutun] = deger;
    invalidateFilter();
    emit SuzgecDegisti();
}

void TIzgaraSuzgeci::SuzgecKaldir(int sutun) {
    if (degerler_.remove(sutun) > 0) {
        invalidateFilter();
        emit SuzgecDegisti();
    }
}

void TIzgaraSuzgeci::SuzgeciTemizle() {
    if (degerler_.isEmpty())
        return;
    degerler_.clear();
    invalidateFilter();
    emit SuzgecDegisti();
}

QString TIzgaraSuzgeci::HucreMetni(const QModelIndex& kaynak) {
    const auto metin = kaynak.data(Qt::DisplayRole);
    return metin.isValid() ? metin.toString() : kaynak.data(TIzgaraModeli::HamDegerRolu).toString();
}

bool TIzgaraSuzgeci::filterAcceptsRow(int satir, const QModelIndex& ebeveyn) const {
    for (auto it = degerler_.cbegin(); it != degerler_.cend(); ++it)
        if (HucreMetni(sourceModel()->index(satir, it.key(), ebeveyn)) != it.value())
            return false;
    return true;
}

bool TIzgaraSuzgeci::lessThan(const QModelIndex& sol, const QModelIndex& sag) const {
    const auto a = sol.data(sortRole());
    const auto b = sag.data(sortRole());
    if (!a.isValid() || !b.isValid())
        return !a.isValid() && b.isValid(); // nulls first
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
    const auto sira = QVariant::compare(a, b);
    return sira == QPartialOrdering::Unordered ? QSortFilterProxyModel::lessThan(sol, sag)
                                               : sira == QPartialOrdering::Less;
}

} // namespace rvz
