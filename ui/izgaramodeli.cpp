#include "izgaramodeli.h"

#include "simgeler.h"

#include <QImage>

namespace rvz {

TIzgaraModeli::TIzgaraModeli(QObject* ebeveyn) : QAbstractTableModel(ebeveyn) {}

TIzgaraModeli::~TIzgaraModeli() {
    if (veri_)
        veri_->DinleyiciCikar(this);
}

void TIzgaraModeli::SutunlariTanimla(std::vector<TIzgaraSutunu> sutunlar) {
    beginResetModel();
    sutunlar_ = std::move(sutunlar);
    AlanlariBul();
    endResetModel();
}

int TIzgaraModeli::SutunNo(std::string_view alan) const {
    for (std::size_t i = 0; i < sutunlar_.size(); ++i)
        if (sutunlar_[i].alan == alan)
            return static_cast<int>(i);
    return -1;
}

void TIzgaraModeli::VeriSetiBagla(TVeriSeti* veri) {
    if (veri == veri_)
        return;
    beginResetModel();
    if (veri_)
        veri_->DinleyiciCikar(this);
    veri_ = veri;
    if (veri_)
        veri_->DinleyiciEkle(this);
    AlanlariBul();
    endResetModel();
}

int TIzgaraModeli::AlanNo(int sutun) const {
    return sutun >= 0 && sutun < static_cast<int>(alanlar_.size()) ? alanlar_[static_cast<std::size_t>(sutun)]
                                                                   : -1;
}

void TIzgaraModeli::AlanlariBul() {
    resimler_.clear();
    alanlar_.clear();
    for (const auto& s : sutunlar_)
        alanlar_.push_back(veri_ && !s.alan.empty() ? veri_->AlanNo(s.alan) : -1);
}

void TIzgaraModeli::VeriSetiDegisecek() {
    if (sifirlaniyor_)
        return;
    sifirlaniyor_ = true;
    beginResetModel();
}

void TIzgaraModeli::VeriSetiDegisti() {
    if (!sifirlaniyor_)
        beginResetModel();
    AlanlariBul();
    sifirlaniyor_ = false;
    endResetModel();
}

void TIzgaraModeli::AlanDegisti(int satir, int alan) {
    resimler_.remove(satir);
    for (std::size_t i = 0; i < alanlar_.size(); ++i)
        if (alanlar_[i] == alan)
            emit dataChanged(index(satir, static_cast<int>(i)), index(satir, static_cast<int>(i)));
}

int TIzgaraModeli::rowCount(const QModelIndex& ebeveyn) const {
    return ebeveyn.isValid() || !veri_ || sifirlaniyor_ ? 0 : veri_->RecordCount();
}

int TIzgaraModeli::columnCount(const QModelIndex& ebeveyn) const {
    return ebeveyn.isValid() ? 0 : static_cast<int>(sutunlar_.size());
}

QVariant TIzgaraModeli::Simge(const TIzgaraSutunu& s, int satir, int alan) const {
    if (alan < 0 || veri_->BosMu(satir, alan))
        return {};
    const auto deger = static_cast<int>(veri_->SayiDegeri(satir, alan));
    switch (s.cins) {
    case SutunCinsi::DurumSimgesi: {
        const auto simge = DurumSimgesi(deger);
        return simge.isNull() ? QVariant() : QVariant(simge);
    }
    case SutunCinsi::ResimSimgesi:
        return deger == 1 ? QVariant(ResimVarSimgesi()) : QVariant();
    case SutunCinsi::YeniSimgesi:
        return YeniSimgesi(deger == 1);
    case SutunCinsi::KampanyaSimgesi:
        return KampanyaSimgesi(deger == 1);
    case SutunCinsi::Resim: {
        auto it = resimler_.find(satir);
        if (it == resimler_.end())
            it = resimler_.insert(
                satir, QPixmap::fromImage(QImage::fromData(veri_->Deger(satir, alan).toByteArray())));
        return it->isNull() ? QVariant() : QVariant(*it);
    }
    default:
        return {};
    }
}

QVariant TIzgaraModeli::data(const QModelIndex& indeks, int rol) const {
    if (!indeks.isValid() || !veri_ || indeks.row() >= rowCount() || indeks.column() >= columnCount())
        return {};
    const auto& s = sutunlar_[static_cast<std::size_t>(indeks.column())];
    const int alan = AlanNo(indeks.column());
    const int satir = indeks.row();
    const bool simgeli =
        s.cins != SutunCinsi::Metin && s.cins != SutunCinsi::Sayi && s.cins != SutunCinsi::Cizim;
    switch (rol) {
    case Qt::DisplayRole:
        return alan < 0 || simgeli ? QVariant() : QVariant(veri_->GosterimMetni(satir, alan));
    case HamDegerRolu:
        return alan < 0 ? QVariant() : veri_->Deger(satir, alan);
    case Qt::DecorationRole:
        return simgeli ? Simge(s, satir, alan) : QVariant();
    case Qt::CheckStateRole:
        if (s.cins != SutunCinsi::OnayKutusu)
            return {};
        return alan >= 0 && veri_->SayiDegeri(satir, alan) == 1 ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
        return s.cins == SutunCinsi::DurumSimgesi && alan >= 0 && !veri_->BosMu(satir, alan)
                   ? QVariant(DurumAdi(static_cast<int>(veri_->SayiDegeri(satir, alan))))
                   : QVariant();
    case Qt::TextAlignmentRole: {
        if (s.hizalama)
            return static_cast<int>(s.hizalama.toInt());
        if (simgeli)
            return static_cast<int>(Qt::AlignCenter);
        const bool sayisal = alan >= 0 && HucreBicimiVer(veri_->AlanTuru(alan)) != HucreBicimi::Metin &&
                             veri_->AlanTuru(alan) != SutunTuru::Boolean;
        return static_cast<int>((s.cins == SutunCinsi::Sayi || sayisal ? Qt::AlignRight : Qt::AlignLeft) |
                                Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant TIzgaraModeli::AktarimDegeri(int satir, int sutun) const {
    const int alan = AlanNo(sutun);
    if (!veri_ || alan < 0 || veri_->BosMu(satir, alan))
        return {};
    switch (sutunlar_[static_cast<std::size_t>(sutun)].cins) {
    case SutunCinsi::DurumSimgesi:
        return DurumAdi(static_cast<int>(veri_->SayiDegeri(satir, alan)));
    case SutunCinsi::Resim:
    case SutunCinsi::Cizim:
        return {};
    default:
        break;
    }
    switch (veri_->AlanTuru(alan)) {
    case SutunTuru::Integer:
    case SutunTuru::Int64:
    case SutunTuru::Double:
    case SutunTuru::Currency:
    case SutunTuru::Bcd:
        return veri_->SayiDegeri(satir, alan);
    default:
        return veri_->GosterimMetni(satir, alan);
    }
}

bool TIzgaraModeli::IkiOndalikli(int sutun) const {
    const int alan = AlanNo(sutun);
    return veri_ && alan >= 0 && !veri_->GosterimBicimi(alan).isEmpty() &&
           veri_->GosterimBicimi(alan).endsWith(QStringLiteral(".00"));
}

QVariant TIzgaraModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (yon != Qt::Horizontal || bolum < 0 || bolum >= columnCount())
        return QAbstractTableModel::headerData(bolum, yon, rol);
    const auto& s = sutunlar_[static_cast<std::size_t>(bolum)];
    if (rol == Qt::DisplayRole) {
        if (s.baslikGizli)
            return QString();
        return s.baslik.isEmpty() ? QString::fromStdString(s.alan) : s.baslik;
    }
    return QAbstractTableModel::headerData(bolum, yon, rol);
}

Qt::ItemFlags TIzgaraModeli::flags(const QModelIndex& indeks) const {
    if (!indeks.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace rvz
