// The reports grid: rows grouped by one field in ascending order, each group with a
// footer that stays visible, a footer for all rows, and collapse-all.
#pragma once

#include "aktarimtablosu.h"
#include "izgarasutunu.h"

#include <QWidget>

#include <string>
#include <vector>

class QTreeView;

namespace rvz {

class TAltBilgi;
class TGrupModeli;
class TIzgaraModeli;
class TVeriSeti;

class TGrupluIzgara : public QWidget {
    Q_OBJECT
public:
    explicit TGrupluIzgara(QWidget* ebeveyn = nullptr);
    ~TGrupluIzgara() override;

    // The group field is usually declared too, hidden.
    void SutunlariTanimla(std::vector<TIzgaraSutunu> sutunlar, std::string grupAlani);
    void VeriSetiBagla(TVeriSeti* veri);
    void VeriSetiAyir() { VeriSetiBagla(nullptr); }

    void HepsiniDaralt();
    void HepsiniAc();
    void IcerigeSigdir();

    QString AltBilgiMetni(int sutun) const; // declared column
    TAktarimTablosu AktarimTablosu() const;

    QTreeView* Agac() const { return agac_; }
    TGrupModeli* Model() const { return grup_; }

private:
    void Yenile();

    TIzgaraModeli* duz_;
    TGrupModeli* grup_;
    QTreeView* agac_;
    TAltBilgi* alt_;
};

} // namespace rvz
