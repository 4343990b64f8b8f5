// Draws every tab's caption by the count convention: the title centred and wrapped, the
// icon at the left, and "(count)" in light blue at the top right when the count is above 0.
// Installed once on the application; everything else is left to the base style.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace rvz {

inline const QColor kRozetRengi(30, 180, 223);

class TSekmeStili : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement eleman, const QStyleOption* secenek, QPainter* ressam,
                     const QWidget* pencere = nullptr) const override;
    QSize sizeFromContents(ContentsType tur, const QStyleOption* secenek, const QSize& boyut,
                           const QWidget* pencere = nullptr) const override;
    int styleHint(StyleHint ipucu, const QStyleOption* secenek = nullptr, const QWidget* pencere = nullptr,
                  QStyleHintReturn* donus = nullptr) const override;
};

} // namespace rvz
