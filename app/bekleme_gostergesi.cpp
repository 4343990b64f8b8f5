#include "bekleme_gostergesi.h"

#include <QPainter>

namespace rvz::app {

namespace {

constexpr int kKolSayisi = 12;
constexpr int kKareSuresi = 80; // ms; one turn a second

} // namespace

BeklemeGostergesi::BeklemeGostergesi(QWidget* ust) : QWidget(ust) {
    setFixedSize(kGenislik, kYukseklik);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    zamanlayici_.setInterval(kKareSuresi);
    connect(&zamanlayici_, &QTimer::timeout, this, [this] {
        adim_ = (adim_ + 1) % kKolSayisi;
        update();
    });
    hide();
}

void BeklemeGostergesi::paintEvent(QPaintEvent*) {
    QPainter boya(this);
    boya.setRenderHint(QPainter::Antialiasing);
    boya.translate(width() / 2.0, height() / 2.0);
    const double yaricap = std::min(width(), height()) / 2.0 - 1.5;
    QColor renk = palette().color(QPalette::Highlight);
    QPen kalem(renk, 2.5, Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < kKolSayisi; ++i) {
        // The spoke at the current step is solid; the ones behind it fade out.
        const int geride = (adim_ - i + kKolSayisi) % kKolSayisi;
        renk.setAlphaF(1.0 - 0.8 * geride / (kKolSayisi - 1));
        kalem.setColor(renk);
        boya.setPen(kalem);
        boya.save();
        boya.rotate(360.0 * i / kKolSayisi);
        boya.drawLine(QPointF(0, -yaricap * 0.45), QPointF(0, -yaricap));
        boya.restore();
    }
}

void BeklemeGostergesi::showEvent(QShowEvent* olay) {
    zamanlayici_.start();
    QWidget::showEvent(olay);
}

void BeklemeGostergesi::hideEvent(QHideEvent* olay) {
    zamanlayici_.stop();
    QWidget::hideEvent(olay);
}

} // namespace rvz::app
