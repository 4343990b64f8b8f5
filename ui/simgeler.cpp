#include "simgeler.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace rvz {

namespace {

constexpr qreal kOran = 2.0; // drawn at twice the size so they stay sharp on dense screens

QPixmap Ciz(const QString& anahtar, const std::function<void(QPainter&)>& cizim) {
    static QHash<QString, QPixmap> bellek;
    if (const auto it = bellek.constFind(anahtar); it != bellek.constEnd())
        return *it;
    QPixmap resim(static_cast<int>(kSimgeBoyu * kOran), static_cast<int>(kSimgeBoyu * kOran));
    resim.setDevicePixelRatio(kOran);
    resim.fill(Qt::transparent);
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing);
    cizim(p);
    p.end();
    bellek.insert(anahtar, resim);
    return resim;
}

const QRectF kAlan(1.5, 1.5, kSimgeBoyu - 3, kSimgeBoyu - 3);

void Daire(QPainter& p, const QColor& renk) {
    p.setPen(QPen(renk.darker(130), 1));
    p.setBrush(renk);
    p.drawEllipse(kAlan);
}

QPen BeyazKalem(qreal kalinlik) {
    return QPen(Qt::white, kalinlik, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Yazi(QPainter& p, const QRectF& alan, const QString& metin, int piksel, const QColor& renk = Qt::white) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(piksel);
    f.setBold(true);
    p.setFont(f);
    p.setPen(renk);
    p.drawText(alan, Qt::AlignCenter, metin);
}

void Bayrak(QPainter& p, const QColor& renk, const QString& metin) {
    p.setPen(Qt::NoPen);
    p.setBrush(renk);
    p.drawRoundedRect(QRectF(0.5, 4, kSimgeBoyu - 1, kSimgeBoyu - 8), 3, 3);
    Yazi(p, QRectF(0, 4, kSimgeBoyu, kSimgeBoyu - 8), metin, 8);
}

void SonukNokta(QPainter& p) {
    p.setPen(QPen(QColor(190, 190, 190), 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QRectF(6, 6, kSimgeBoyu - 12, kSimgeBoyu - 12));
}

} // namespace

QString DurumAdi(int durum) {
    switch (durum) {
    case 0:
        return QStringLiteral("Yok");
    case 1:
        return QStringLiteral("Var");
    case 2:
        return QStringLiteral("Telefon Açınız");
    case 3:
        return QStringLiteral("Yolda");
    case 4:
        return QStringLiteral("Özel Sipariş");
    case 5:
        return QStringLiteral("Tedarik Sürecinde");
    default:
        return {};
    }
}

QPixmap DurumSimgesi(int durum) {
    const auto anahtar = QStringLiteral("durum%1").arg(durum);
    switch (durum) {
    case 0: // red, a cross
        return Ciz(anahtar, [](QPainter& p) {
            Daire(p, QColor(214, 48, 49));
            p.setPen(BeyazKalem(2.2));
            p.drawLine(QPointF(7, 7), QPointF(13, 13));
            p.drawLine(QPointF(13, 7), QPointF(7, 13));
        });
    case 1: // green, a tick
        return Ciz(anahtar, [](QPainter& p) {
            Daire(p, QColor(39, 174, 96));
            p.setPen(BeyazKalem(2.2));
            p.drawPolyline(QPolygonF({QPointF(5.8, 10.4), QPointF(8.8, 13.2), QPointF(14.2, 6.8)}));
        });
    case 2: // orange, a telephone
        return Ciz(anahtar, [](QPainter& p) {
            Daire(p, QColor(243, 156, 18));
            Yazi(p, kAlan, QString(QChar(0x260E)), 12);
        });
    case 3: // blue square, an arrow on its way
        return Ciz(anahtar, [](QPainter& p) {
            p.setPen(QPen(QColor(31, 97, 141), 1));
            p.setBrush(QColor(52, 152, 219));
            p.drawRoundedRect(kAlan, 3, 3);
            p.setPen(BeyazKalem(2));
            p.drawLine(QPointF(5, 10), QPointF(14.5, 10));
            p.drawPolyline(QPolygonF({QPointF(11, 6.5), QPointF(14.5, 10), QPointF(11, 13.5)}));
        });
    case 4: // purple diamond, a star
        return Ciz(anahtar, [](QPainter& p) {
            p.setPen(QPen(QColor(91, 44, 111), 1));
            p.setBrush(QColor(142, 68, 173));
            p.drawPolygon(
                QPolygonF({QPointF(10, 0.8), QPointF(19.2, 10), QPointF(10, 19.2), QPointF(0.8, 10)}));
            Yazi(p, QRectF(0, 0, kSimgeBoyu, kSimgeBoyu), QString(QChar(0x2605)), 10);
        });
    case 5: // teal, a clock
        return Ciz(anahtar, [](QPainter& p) {
            Daire(p, QColor(22, 160, 133));
            p.setPen(BeyazKalem(1.8));
            p.drawLine(QPointF(10, 10), QPointF(10, 5.5));
            p.drawLine(QPointF(10, 10), QPointF(13.5, 11.5));
        });
    default:
        return {};
    }
}

QPixmap ResimVarSimgesi() {
    return Ciz(QStringLiteral("resim"), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 80, 95));
        p.drawRoundedRect(QRectF(2, 6, 16, 11), 2, 2);
        p.drawRect(QRectF(7, 4, 6, 3));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(10, 11.5), 3.4, 3.4);
        p.setBrush(QColor(70, 80, 95));
        p.drawEllipse(QPointF(10, 11.5), 1.8, 1.8);
    });
}

QPixmap YeniSimgesi(bool yeni) {
    if (!yeni)
        return Ciz(QStringLiteral("yeni0"), SonukNokta);
    return Ciz(QStringLiteral("yeni1"),
               [](QPainter& p) { Bayrak(p, QColor(39, 174, 96), QStringLiteral("YENİ")); });
}

QPixmap KampanyaSimgesi(bool kampanyali) {
    if (!kampanyali)
        return Ciz(QStringLiteral("kamp0"), SonukNokta);
    return Ciz(QStringLiteral("kamp1"),
               [](QPainter& p) { Bayrak(p, QColor(214, 48, 49), QStringLiteral("%")); });
}

} // namespace rvz
