#include "kayanserit.h"

#include <QPainter>

namespace rvz {

TKayanSerit::TKayanSerit(QWidget* ebeveyn) : QWidget(ebeveyn) {
    zamanlayici_.setInterval(30);
    connect(&zamanlayici_, &QTimer::timeout, this, &TKayanSerit::Ilerle);
}

void TKayanSerit::Ilerle() {
    konum_ -= adim_;
    if (konum_ + IcerikGenisligi() < 0)
        konum_ = width();
    update();
}

void TKayanSerit::BastanBasla() {
    konum_ = width();
    update();
}

void TKayanSerit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setClipRect(rect());
    if (IcerikGenisligi() > 0)
        IcerikCiz(p, konum_);
}

} // namespace rvz
