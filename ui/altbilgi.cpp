#include "altbilgi.h"

#include <QPainter>

namespace rvz {

TAltBilgi::TAltBilgi(QHeaderView* baslik, QWidget* ebeveyn) : QWidget(ebeveyn), baslik_(baslik) {
    setObjectName(QStringLiteral("altbilgi"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QFont kalin = font();
    kalin.setBold(true);
    setFont(kalin);
    const auto guncelle = [this] { update(); };
    connect(baslik, &QHeaderView::sectionResized, this, guncelle);
    connect(baslik, &QHeaderView::sectionMoved, this, guncelle);
    connect(baslik, &QHeaderView::geometriesChanged, this, guncelle);
    connect(baslik, &QHeaderView::sectionCountChanged, this, guncelle);
}

void TAltBilgi::MetinleriAta(QMap<int, QString> metinler) {
    metinler_ = std::move(metinler);
    update();
}

QSize TAltBilgi::sizeHint() const {
    return {100, fontMetrics().height() + 12};
}

void TAltBilgi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(rect().topLeft(), rect().topRight());
    if (!baslik_)
        return;
    // Sections are placed relative to the header's viewport, which sits under the table's frame.
    const int kayma =
        baslik_->viewport()->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    p.setPen(palette().color(QPalette::ButtonText));
    for (auto it = metinler_.cbegin(); it != metinler_.cend(); ++it) {
        const int sutun = it.key();
        if (it.value().isEmpty() || sutun >= baslik_->count() || baslik_->isSectionHidden(sutun))
            continue;
        const QRect alan(kayma + baslik_->sectionViewportPosition(sutun), 0, baslik_->sectionSize(sutun),
                         height());
        p.drawRect(alan.adjusted(1, 3, -2, -3));
        p.drawText(alan.adjusted(6, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, it.value());
    }
}

} // namespace rvz
