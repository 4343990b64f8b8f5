#include "hucrecizici.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QPainter>

namespace rvz {

namespace {

QModelIndex KaynakIndeks(QModelIndex indeks, const QAbstractItemModel* hedef) {
    while (indeks.isValid() && indeks.model() != hedef) {
        const auto* vekil = qobject_cast<const QAbstractProxyModel*>(indeks.model());
        if (!vekil)
            return {};
        indeks = vekil->mapToSource(indeks);
    }
    return indeks;
}

} // namespace

THucreCizici::THucreCizici(const TIzgaraModeli& model, QObject* ebeveyn, Eslestirme eslestir)
    : QStyledItemDelegate(ebeveyn), model_(model), eslestir_(std::move(eslestir)) {}

void THucreCizici::paint(QPainter* ressam, const QStyleOptionViewItem& secenek,
                         const QModelIndex& indeks) const {
    const QModelIndex kaynak = eslestir_ ? eslestir_(indeks) : KaynakIndeks(indeks, &model_);
    if (!kaynak.isValid()) {
        QStyledItemDelegate::paint(ressam, secenek, indeks);
        return;
    }
    const auto& sutun = model_.Sutunlar()[static_cast<std::size_t>(kaynak.column())];
    if (sutun.cins == SutunCinsi::Metin || sutun.cins == SutunCinsi::Sayi) {
        QStyleOptionViewItem s = secenek;
        if (sutun.sarmala)
            s.features |= QStyleOptionViewItem::WrapText;
        QStyledItemDelegate::paint(ressam, s, indeks);
        return;
    }
    QStyleOptionViewItem s = secenek;
    initStyleOption(&s, indeks);
    const QWidget* w = s.widget;
    QStyle* stil = w ? w->style() : QApplication::style();
    // Background (alternate rows, selection) as the style draws it, without text or icon.
    s.text.clear();
    s.icon = {};
    s.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration |
                    QStyleOptionViewItem::HasCheckIndicator);
    stil->drawPrimitive(QStyle::PE_PanelItemViewItem, &s, ressam, w);

    ressam->save();
    ressam->setClipRect(secenek.rect);
    switch (sutun.cins) {
    case SutunCinsi::OnayKutusu: {
        QStyleOptionButton kutu;
        kutu.state =
            QStyle::State_Enabled |
            (indeks.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        const QSize boy = stil->subElementRect(QStyle::SE_CheckBoxIndicator, &kutu, w).size();
        kutu.rect = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, boy, secenek.rect);
        stil->drawPrimitive(QStyle::PE_IndicatorCheckBox, &kutu, ressam, w);
        break;
    }
    case SutunCinsi::Cizim:
        if (sutun.ciz && model_.VeriSeti())
            sutun.ciz(*ressam, s, *model_.VeriSeti(), kaynak.row());
        break;
    default: {
        const auto resim = indeks.data(Qt::DecorationRole).value<QPixmap>();
        if (resim.isNull())
            break;
        const QSize mantiksal = resim.deviceIndependentSize().toSize();
        const QSize boy = sutun.cins == SutunCinsi::Resim
                              ? mantiksal.scaled(secenek.rect.size() - QSize(4, 4), Qt::KeepAspectRatio)
                              : mantiksal.boundedTo(secenek.rect.size());
        const auto hiza = Qt::Alignment(indeks.data(Qt::TextAlignmentRole).toInt());
        ressam->setRenderHint(QPainter::SmoothPixmapTransform);
        ressam->drawPixmap(
            QStyle::alignedRect(Qt::LeftToRight, hiza ? hiza : Qt::AlignCenter, boy, secenek.rect), resim);
        break;
    }
    }
    ressam->restore();
}

} // namespace rvz
