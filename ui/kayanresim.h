// A picture scrolling through a line, scaled to the line's height.
#pragma once

#include "kayanserit.h"

#include <QPixmap>

namespace rvz {

class TKayanResim : public TKayanSerit {
    Q_OBJECT
public:
    explicit TKayanResim(QWidget* ebeveyn = nullptr);
    void ResimAta(const QPixmap& resim);

protected:
    int IcerikGenisligi() const override;
    void IcerikCiz(QPainter& ressam, int x) override;

private:
    QPixmap resim_;
};

} // namespace rvz
