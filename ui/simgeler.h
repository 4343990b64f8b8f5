// The icons of the item grids, drawn once and kept: stock state, picture flag, new and
// campaign flags. The legend bar uses the same stock-state icons.
#pragma once

#include <QPixmap>
#include <QString>

namespace rvz {

constexpr int kSimgeBoyu = 20;

// DURUM 0..5; any other value gives a null pixmap.
QPixmap DurumSimgesi(int durum);
// 0 "Yok", 1 "Var", 2 "Telefon Açınız", 3 "Yolda", 4 "Özel Sipariş", 5 "Tedarik Sürecinde".
QString DurumAdi(int durum);

QPixmap ResimVarSimgesi();
QPixmap YeniSimgesi(bool yeni);
QPixmap KampanyaSimgesi(bool kampanyali);

} // namespace rvz
