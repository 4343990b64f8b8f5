#include "izgarabasligi.h"

#include <QMouseEvent>
#include <QPainter>

namespace rvz {

TIzgaraBasligi::TIzgaraBasligi(QWidget* ebeveyn) : QHeaderView(Qt::Horizontal, ebeveyn) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
}

void TIzgaraBasligi::SuzgecDugmeleriAcik(bool acik) {
    dugmeler_ = acik;
    viewport()->update();
}

namespace {
constexpr int kDugmeBoyu = 12;
constexpr int kDugmeKenari = 3; // from the section's right edge
} // namespace

QRect TIzgaraBasligi::DugmeAlani(const QRect& bolum) {
    return {bolum.right() - kDugmeBoyu - kDugmeKenari, bolum.center().y() - kDugmeBoyu / 2, kDugmeBoyu,
            kDugmeBoyu};
}

QSize TIzgaraBasligi::sectionSizeFromContents(int bolum) const {
    QSize boy = QHeaderView::sectionSizeFromContents(bolum);
    if (dugmeler_)
        boy.rwidth() += 2 * (kDugmeBoyu + kDugmeKenari);
    return boy;
}

void TIzgaraBasligi::paintSection(QPainter* ressam, const QRect& alan, int bolum) const {
    if (!dugmeler_ || alan.width() < 30) {
        QHeaderView::paintSection(ressam, alan, bolum);
        return;
    }
    ressam->save();
    QHeaderView::paintSection(ressam, alan, bolum);
    ressam->restore();
    const QRect d = DugmeAlani(alan);
    const bool etkin = etkin_ && etkin_(bolum);
    ressam->save();
    ressam->setRenderHint(QPainter::Antialiasing);
    ressam->setPen(QPen(etkin ? QColor(30, 120, 200) : QColor(120, 120, 120), 1));
    ressam->setBrush(etkin ? QColor(30, 120, 200) : QColor(250, 250, 250));
    const QPolygonF huni(
        {QPointF(d.left(), d.top() + 1), QPointF(d.right(), d.top() + 1),
         QPointF(d.center().x() + 1.5, d.center().y() + 1), QPointF(d.center().x() + 1.5, d.bottom()),
         QPointF(d.center().x() - 1.5, d.bottom() - 2), QPointF(d.center().x() - 1.5, d.center().y() + 1)});
    ressam->drawPolygon(huni);
    ressam->restore();
}

void TIzgaraBasligi::mousePressEvent(QMouseEvent* olay) {
    const int bolum = logicalIndexAt(olay->position().toPoint());
    if (dugmeler_ && bolum >= 0 && olay->button() == Qt::LeftButton) {
        const QRect alan(sectionViewportPosition(bolum), 0, sectionSize(bolum), height());
        if (alan.width() >= 30 &&
            DugmeAlani(alan).adjusted(-2, -2, 2, 2).contains(olay->position().toPoint())) {
            dugmeBasili_ = true;
            emit SuzgecIstendi(bolum, olay->globalPosition().toPoint());
            return;
        }
    }
    QHeaderView::mousePressEvent(olay);
}

void TIzgaraBasligi::mouseReleaseEvent(QMouseEvent* olay) {
    if (dugmeBasili_) {
        dugmeBasili_ = false;
        return;
    }
    QHeaderView::mouseReleaseEvent(olay);
}

} // namespace rvz
