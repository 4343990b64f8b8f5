#include "sekmestili.h"

#include "sekmebasligi.h"

#include <QPainter>
#include <QStyleOptionTab>

namespace rvz {

namespace {
QString Rozet(int sayi) {
    return QStringLiteral("(%1)").arg(sayi);
}
} // namespace

void TSekmeStili::drawControl(ControlElement eleman, const QStyleOption* secenek, QPainter* ressam,
                              const QWidget* pencere) const {
    const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(secenek);
    if (eleman != CE_TabBarTabLabel || !sekme) {
        QProxyStyle::drawControl(eleman, secenek, ressam, pencere);
        return;
    }
    const TSonuc sonuc = SekmeBasligiCoz(sekme->text);
    QRect metinAlani = sekme->rect;
    if (!sekme->icon.isNull()) {
        const QSize boy = sekme->iconSize.isValid() ? sekme->iconSize : QSize(16, 16);
        const QRect simge(metinAlani.left() + 3, metinAlani.center().y() - boy.height() / 2 + 1, boy.width(),
                          boy.height());
        const auto kip = (sekme->state & State_Enabled) ? QIcon::Normal : QIcon::Disabled;
        sekme->icon.paint(ressam, simge, Qt::AlignCenter, kip);
        metinAlani.setLeft(simge.right() + 3);
    }
    const bool secili = sekme->state & State_Selected;
    ressam->save();
    ressam->setPen(sekme->palette.color(secili ? QPalette::WindowText : QPalette::ButtonText));
    ressam->drawText(metinAlani.adjusted(0, 5, 0, -5), Qt::AlignCenter | Qt::TextWordWrap, sonuc.baslik);
    if (sonuc.sayi > 0) {
        ressam->setPen(kRozetRengi);
        ressam->drawText(metinAlani.adjusted(2, -3, -2, 3), Qt::AlignTop | Qt::AlignRight, Rozet(sonuc.sayi));
    }
    ressam->restore();
}

QSize TSekmeStili::sizeFromContents(ContentsType tur, const QStyleOption* secenek, const QSize& boyut,
                                    const QWidget* pencere) const {
    const auto* sekme = qstyleoption_cast<const QStyleOptionTab*>(secenek);
    if (tur != CT_TabBarTab || !sekme)
        return QProxyStyle::sizeFromContents(tur, secenek, boyut, pencere);
    // Room for the title and, beside it, the badge; the raw "12=" prefix takes none.
    const TSonuc sonuc = SekmeBasligiCoz(sekme->text);
    const QFontMetrics olcu = sekme->fontMetrics;
    QSize icerik(olcu.horizontalAdvance(sonuc.baslik), olcu.height());
    if (sonuc.sayi > 0)
        icerik.rwidth() += 2 * olcu.horizontalAdvance(Rozet(sonuc.sayi)) + 8;
    if (!sekme->icon.isNull())
        icerik.rwidth() += (sekme->iconSize.isValid() ? sekme->iconSize.width() : 16) + 6;
    QSize boy = QProxyStyle::sizeFromContents(tur, secenek, icerik, pencere);
    boy.rheight() = std::max(boy.height(), olcu.height() + 16);
    return boy;
}

int TSekmeStili::styleHint(StyleHint ipucu, const QStyleOption* secenek, const QWidget* pencere,
                           QStyleHintReturn* donus) const {
    // An elided "12=Sep…" would lose its title; the tabs are sized for title and badge instead.
    if (ipucu == SH_TabBar_ElideMode)
        return Qt::ElideNone;
    return QProxyStyle::styleHint(ipucu, secenek, pencere, donus);
}

} // namespace rvz
