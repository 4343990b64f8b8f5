#include "durumaciklamasi.h"

#include "simgeler.h"

#include <QHBoxLayout>
#include <QLabel>

#include <array>
#include <utility>

namespace rvz {

TDurumAciklamasi::TDurumAciklamasi(QWidget* ebeveyn) : QWidget(ebeveyn) {
    setObjectName(QStringLiteral("durumaciklamasi"));
    auto* duzen = new QHBoxLayout(this);
    duzen->setContentsMargins(6, 2, 6, 2);
    duzen->setSpacing(2);
    auto* baslik = new QLabel(QStringLiteral("Durum Açıklaması:    "), this);
    QFont kalin = baslik->font();
    kalin.setBold(true);
    baslik->setFont(kalin);
    duzen->addWidget(baslik);
    const std::array<std::pair<int, const char*>, 6> sira{{{1, " Stok mevcut  "},
                                                           {2, " Telefon Açınız  "},
                                                           {3, " Yolda  "},
                                                           {5, " Tedarik Sürecinde "},
                                                           {4, " Özel Sipariş  "},
                                                           {0, " Yok  "}}};
    for (const auto& [durum, metin] : sira) {
        auto* simge = new QLabel(this);
        simge->setPixmap(DurumSimgesi(durum));
        simge->setObjectName(QStringLiteral("durumsimgesi%1").arg(durum));
        simge->setToolTip(DurumAdi(durum));
        duzen->addWidget(simge);
        auto* yazi = new QLabel(QString::fromUtf8(metin), this);
        yazi->setObjectName(QStringLiteral("durumyazisi%1").arg(durum));
        duzen->addWidget(yazi);
    }
    duzen->addStretch(1);
}

} // namespace rvz
