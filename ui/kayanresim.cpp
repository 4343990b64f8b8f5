#include "kayanresim.h"

#include <QPainter>

namespace rvz {

TKayanResim::TKayanResim(QWidget* ebeveyn) : TKayanSerit(ebeveyn) {}

void TKayanResim::ResimAta(const QPixmap& resim) {
    resim_ = resim;
    BastanBasla();
}

int TKayanResim::IcerikGenisligi() const {
    if (resim_.isNull() || resim_.height() == 0)
        return 0;
    return resim_.width() * height() / resim_.height();
}

void TKayanResim::IcerikCiz(QPainter& ressam, int x) {
    ressam.setRenderHint(QPainter::SmoothPixmapTransform);
    ressam.drawPixmap(QRect(x, 0, IcerikGenisligi(), height()), resim_);
}

} // namespace rvz
