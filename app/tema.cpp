#include "tema.h"

#include "sekmestili.h"

#include <QApplication>
#include <QFile>
#include <QFont>

// The resources of a static library are registered by hand.
static void TemaKaynaklariniYukle() {
    Q_INIT_RESOURCE(tema);
}

namespace rvz::app {

void TemaUygula(QApplication& uygulama) {
    TemaKaynaklariniYukle();
    QApplication::setStyle(new TSekmeStili(QStringLiteral("Fusion")));
    QFont yazi(QStringLiteral("DejaVu Sans"));
    yazi.setPointSize(10);
    QApplication::setFont(yazi);
    QFile dosya(QStringLiteral(":/tema/ruvizezevuv.qss"));
    if (!dosya.open(QIODevice::ReadOnly)) {
        qWarning("\"ruvizezevuv\" teması yüklenemedi: %s", qPrintable(dosya.errorString()));
        return;
    }
    uygulama.setStyleSheet(QString::fromUtf8(dosya.readAll()));
}

} // namespace rvz::app
