#include "durum_tuslari.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace rvz::sales {

namespace {
constexpr int kResimBoyu = 40;
}

std::span<const DurumTusu> DurumTuslari() {
    static const DurumTusu tuslar[] = {
        {"sBitBtn2", QStringLiteral("Tüm Carileri Listeler"), 0, QStringLiteral("\u2261"), "#4a6fa5"},
        {"sepettus", QStringLiteral("Sipariş sepetinde \r\nstok olan carileri listeler."), 1,
         QStringLiteral("\u2211"), "#c0392b"},
        {"alinditus", QStringLiteral("Yeni Alınan \r\nSiparişleri Listeler"), 2, QStringLiteral("\u2709"),
         "#2980b9"},
        {"onaylanditus", QStringLiteral("Onaylanan Siparişler"), 3, QStringLiteral("\u2714"), "#27ae60"},
        {"goruldutus", QStringLiteral("Görülen Siparişler"), 4, QStringLiteral("\u25c9"), "#8e44ad"},
        {"parcalihazirlandi", QStringLiteral("Eksik Hazırlanan siparişler"), 5, QStringLiteral("\u25d0"),
         "#e67e22"},
        {"hazirlanditus", QStringLiteral("Hazırlanan Siparişler"), 6, QStringLiteral("\u25a0"), "#16a085"},
        {"sevktus", QStringLiteral("Sevk Edilen Siparişler"), 7, QStringLiteral("\u279c"), "#34495e"},
    };
    return tuslar;
}

QIcon DurumResmi(const DurumTusu& tus) {
    QPixmap resim(kResimBoyu, kResimBoyu);
    resim.fill(Qt::transparent);
    QPainter ressam(&resim);
    ressam.setRenderHint(QPainter::Antialiasing);
    ressam.setPen(Qt::NoPen);
    ressam.setBrush(QColor(tus.renk));
    ressam.drawRoundedRect(QRectF(2, 2, kResimBoyu - 4, kResimBoyu - 4), 8, 8);
    QFont yazi(QStringLiteral("DejaVu Sans"));
    yazi.setPixelSize(kResimBoyu / 2);
    yazi.setBold(true);
    ressam.setFont(yazi);
    ressam.setPen(Qt::white);
    ressam.drawText(resim.rect(), Qt::AlignCenter, tus.isaret);
    return QIcon(resim);
}

} // namespace rvz::sales
