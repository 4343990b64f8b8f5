// One column of a grid, declared as data: the windows list their columns as a table.
#pragma once

#include <QString>
#include <Qt>

#include <functional>
#include <string>

class QPainter;
class QStyleOptionViewItem;

namespace rvz {

class TVeriSeti;

enum class SutunCinsi {
    Metin,           // the field's display text
    Sayi,            // the field's display text, right-aligned
    DurumSimgesi,    // DURUM 0..5 as the status icon, centred
    ResimSimgesi,    // a picture icon when the field is 1, nothing otherwise
    YeniSimgesi,     // new-item flag: 0 and 1 have their own icons
    KampanyaSimgesi, // campaign flag: 0 and 1 have their own icons
    OnayKutusu,      // check box: 1 checked, anything else unchecked
    Resim,           // the field's bytes decoded as a picture, scaled into the cell
    Cizim,           // drawn by the column's `ciz` callback
};

// What the footer (and a group footer) shows under the column.
enum class OzetCinsi { Yok, Adet, Toplam };

// Draws one cell of a Cizim column; the background is already painted.
using HucreCizimi = std::function<void(QPainter& ressam, const QStyleOptionViewItem& secenek,
                                       const TVeriSeti& veri, int satir)>;

struct TIzgaraSutunu {
    QString baslik = {};   // empty: the header shows the field name
    std::string alan = {}; // bound by name; a field the dataset lacks shows an empty column
    bool gorunur = true;
    bool sunulan = true; // listed in the column chooser
    int agirlik = 1;     // share of the width in SutunlariOranla
    SutunCinsi cins = SutunCinsi::Metin;
    Qt::Alignment hizalama = {}; // empty: by kind (numbers right, icons centred, text left)
    OzetCinsi ozet = OzetCinsi::Yok;
    bool sarmala = false;     // word-wrapped text
    bool baslikGizli = false; // header without text
    HucreCizimi ciz = {};
};

} // namespace rvz
