// In-memory dataset: typed columns, rows, a cursor, a local edit of a field and a display
// format per column. Cells are kept per column in plain vectors (numbers, text offsets into
// one buffer, a null mark), so a large result costs little more than its raw data.
//
// Not a QObject: it may be filled on a worker while no grid is attached. Attached grids
// are told about changes through TVeriSetiDinleyici, on the thread that changes the data.
#pragma once

#include "dbx.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rvz {

class TVeriSetiDinleyici {
public:
    virtual ~TVeriSetiDinleyici() = default;
    // The columns or the rows are about to be replaced; VeriSetiDegisti follows.
    virtual void VeriSetiDegisecek() = 0;
    virtual void VeriSetiDegisti() = 0;
    // One field of one row has been posted.
    virtual void AlanDegisti(int satir, int sutun) = 0;
};

class TVeriSeti {
public:
    TVeriSeti() = default;
    TVeriSeti(const TVeriSeti&) = delete;
    TVeriSeti& operator=(const TVeriSeti&) = delete;

    // Filling. Both recreate the columns from the source and replace every row.
    void OkuyucudanDoldur(TDBXReader& okuyucu); // reads forward from the reader's position
    void PaketAta(const OleVariant& paket);     // a null packet closes the dataset
    // Columns for data built locally (the grid's own rows, tests).
    void SutunlariKur(const std::vector<Sutun>& sutunlar);
    int SatirEkle(); // appends a row of nulls and moves the cursor onto it
    void Bosalt();   // removes every row, keeps the columns
    void Kapat();    // removes columns and rows

    bool Acik() const { return acik_; }
    int RecordCount() const { return satirSayisi_; }
    int FieldCount() const { return static_cast<int>(sutunlar_.size()); }
    int AlanNo(std::string_view ad) const; // -1 when there is no such column
    const std::string& AlanAdi(int sutun) const { return sutunlar_.at(Sira(sutun)).ad; }
    SutunTuru AlanTuru(int sutun) const { return sutunlar_.at(Sira(sutun)).tur; }

    // Display pattern of a column ("#,###,##0.00"); empty for the kind's default display.
    void GosterimBicimiAta(int sutun, const QString& bicim);
    const QString& GosterimBicimi(int sutun) const { return sutunlar_.at(Sira(sutun)).bicim; }

    // Cells by row and column.
    bool BosMu(int satir, int sutun) const;
    QVariant Deger(int satir, int sutun) const;    // typed; null cells give an invalid QVariant
    double SayiDegeri(int satir, int sutun) const; // 0 for null and text
    QString GosterimMetni(int satir, int sutun) const;

    // Cursor: -1 before the first row, RecordCount() after the last.
    int RecNo() const { return imlec_; }
    void SetRecNo(int satir);
    void First() { SetRecNo(0); }
    void Last() { SetRecNo(satirSayisi_ - 1); }
    void Next();
    void Prior();
    bool Eof() const { return satirSayisi_ == 0 || imlec_ >= satirSayisi_; }
    bool Bof() const { return satirSayisi_ == 0 || imlec_ <= 0; }
    // Moves to the first row whose field equals the value (numbers by value, text exactly).
    bool Locate(std::string_view alan, const QVariant& deger);

    // Fields of the current row.
    QVariant FieldByName(std::string_view alan) const;
    QString AlanMetni(std::string_view alan) const;

    // Local edit of the current row: Edit, AlanYaz (as often as needed), then Post or Cancel.
    void Edit();
    void AlanYaz(std::string_view alan, const QVariant& deger);
    void Post();
    void Cancel();
    bool Duzenleniyor() const { return duzenlenen_ >= 0; }

    // "Controls disabled": nests; attached grids hear of changes once the count is back to 0.
    void DisableControls() { ++kapaliKontrol_; }
    void EnableControls();
    bool ControlsDisabled() const { return kapaliKontrol_ > 0; }

    void DinleyiciEkle(TVeriSetiDinleyici* d);
    void DinleyiciCikar(TVeriSetiDinleyici* d);

    // Bytes held by the cells (capacity of the column stores), for the memory budget.
    std::size_t HucreBellegi() const;

private:
    struct Kolon {
        std::string ad;
        SutunTuru tur = SutunTuru::WideText;
        QString bicim;
        std::vector<std::int64_t> tam;                // Integer, Int64, Boolean
        std::vector<double> ondalik;                  // Double, Currency, Bcd, Date, DateTime
        std::string metin;                            // texts and bytes, one after the other
        std::vector<std::uint32_t> sonlar;            // end of each row's text inside `metin`
        std::unordered_map<int, std::string> degisen; // texts edited after the fill
        std::vector<bool> bos;
    };

    static std::size_t Sira(int i) { return static_cast<std::size_t>(i); }
    const Kolon& KolonAl(int satir, int sutun) const;
    std::string_view Metin(const Kolon& k, int satir) const;
    void HucreYaz(Kolon& k, int satir, const QVariant& deger);
    void KolonaEkle(Kolon& k, const Hucre& h);
    void KolonaNullEkle(Kolon& k);
    void YeniSutunlar(const std::vector<Sutun>& sutunlar);
    void DegisecekBildir();
    void DegistiBildir();

    std::vector<Kolon> sutunlar_;
    int satirSayisi_ = 0;
    int imlec_ = -1;
    bool acik_ = false;
    int kapaliKontrol_ = 0;
    bool bekleyenDegisiklik_ = false;
    int duzenlenen_ = -1;
    std::vector<std::pair<int, QVariant>> duzenleme_;
    std::vector<TVeriSetiDinleyici*> dinleyiciler_;
};

} // namespace rvz
