#include "izgaratablosu.h"

#include "izgarasuzgeci.h"

#include <QApplication>
#include <QLocale>

namespace rvz {

TIzgaraTablosu::TIzgaraTablosu(QWidget* ebeveyn) : QTableView(ebeveyn) {}

int BaslayanSatir(const QAbstractItemModel& model, int sutun, const QString& metin) {
    const QLocale tr(QLocale::Turkish, QLocale::Turkey);
    const QString aranan = tr.toUpper(metin);
    for (int i = 0; i < model.rowCount(); ++i)
        if (tr.toUpper(TIzgaraSuzgeci::HucreMetni(model.index(i, sutun))).startsWith(aranan))
            return i;
    return -1;
}

void TIzgaraTablosu::keyboardSearch(const QString& metin) {
    if (metin.isEmpty() || !model())
        return;
    if (sonTus_.isValid() && sonTus_.elapsed() <= QApplication::keyboardInputInterval())
        aranan_ += metin;
    else
        aranan_ = metin;
    sonTus_.start();
    int sutun = currentIndex().isValid() ? currentIndex().column() : -1;
    if (sutun < 0)
        for (int i = 0; i < model()->columnCount() && sutun < 0; ++i)
            if (!isColumnHidden(i))
                sutun = i;
    if (sutun < 0)
        return;
    const int satir = BaslayanSatir(*model(), sutun, aranan_);
    if (satir >= 0)
        setCurrentIndex(model()->index(satir, sutun));
}

} // namespace rvz
