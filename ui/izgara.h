// The data grid of the windows: a table view over a dataset with declared columns,
// header filter buttons, a column chooser, incremental search and a footer.
//
//   izgara->SutunlariTanimla({
//       {.baslik = "Durum", .alan = "DURUM", .cins = SutunCinsi::DurumSimgesi},
//       {.baslik = "Miktar", .alan = "MIKTAR", .ozet = OzetCinsi::Toplam},
//   });
//   izgara->VeriSetiBagla(&sepet);
#pragma once

#include "aktarimtablosu.h"
#include "izgarasutunu.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <vector>

class QHeaderView;
class QMenu;
class QTableView;

namespace rvz {

class TAltBilgi;
class TIzgaraBasligi;
class TIzgaraModeli;
class TIzgaraSuzgeci;
class TIzgaraTablosu;
class TVeriSeti;

class TIzgara : public QWidget {
    Q_OBJECT
public:
    explicit TIzgara(QWidget* ebeveyn = nullptr);
    ~TIzgara() override;

    void SutunlariTanimla(std::vector<TIzgaraSutunu> sutunlar);
    const std::vector<TIzgaraSutunu>& Sutunlar() const;
    int SutunNo(std::string_view alan) const; // model column bound to the field, or -1

    void VeriSetiBagla(TVeriSeti* veri);
    void VeriSetiAyir() { VeriSetiBagla(nullptr); }
    TVeriSeti* VeriSeti() const;
    // Rows held by the grid itself (no outside dataset): set the columns once, then add rows.
    TVeriSeti& KendiSatirlari();

    // Looks.
    void BaslikYuksekligi(int piksel);
    void SatirYuksekligi(int piksel);
    int SatirYuksekligi() const;
    void RenkleriAyarla(const QColor& cift, const QColor& tek, const QColor& secili);
    void BasliklarGorunur(bool gorunur);
    void SiralamaAcik(bool acik);
    void SuzgecDugmeleriAcik(bool acik);
    void AltBilgiGorunur(bool gorunur);

    // Columns shown and hidden (model column numbers).
    void SutunGorunur(int sutun, bool gorunur);
    bool SutunGorunurMu(int sutun) const;
    // A menu of the offered columns, each with a check box for its visibility.
    QMenu* SutunSeciciOlustur(QWidget* ebeveyn);
    void IcerigeSigdir();

    // Header filter: one value per column, the text the cells show.
    void SuzgecAyarla(int sutun, const QString& deger);
    void SuzgeciTemizle();
    // The values a column's filter menu offers, sorted, without repeats.
    QStringList SuzgecDegerleri(int sutun) const;

    // Footer text under a column ("" when it has no summary).
    QString AltBilgiMetni(int sutun) const;

    // Focused row as a dataset row, -1 when none.
    int OdakSatir() const;
    void OdakSatirAta(int veriSatiri);
    // Dataset rows in the order shown, after the filter.
    std::vector<int> GorunenSatirlar() const;

    TAktarimTablosu AktarimTablosu() const;

    QTableView* Tablo() const;
    QHeaderView* Baslik() const;
    TIzgaraModeli* Model() const { return model_; }
    TIzgaraSuzgeci* Suzgec() const { return suzgec_; }

signals:
    void CiftTiklandi(int veriSatiri);

private:
    void AltBilgiyiGuncelle();
    void SuzgecMenusuGoster(int sutun, const QPoint& konum);
    void GorunurlukleriUygula();

    TIzgaraModeli* model_;
    TIzgaraSuzgeci* suzgec_;
    TIzgaraTablosu* tablo_;
    TIzgaraBasligi* baslik_;
    TAltBilgi* alt_;
    std::unique_ptr<TVeriSeti> kendi_;
};

} // namespace rvz
