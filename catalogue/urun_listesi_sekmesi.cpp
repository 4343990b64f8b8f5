#include "urun_listesi_sekmesi.h"

#include "izgara.h"
#include "proxim.h"
#include "sekme_yukleyici.h"
#include "sutunorani.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

#include <QScreen>
#include <QVBoxLayout>

#include <memory>

namespace rvz::katalog {

TUrunListesiSekmesi::TUrunListesiSekmesi(UrunListesiBaglami baglam, std::vector<TIzgaraSutunu> sutunlar,
                                         QWidget* ust)
    : QWidget(ust), b_(std::move(baglam)), izgara_(new TIzgara(this)) {
    izgara_->SutunlariTanimla(std::move(sutunlar));
    izgara_->RenkleriAyarla(QColor(255, 255, 255), QColor(240, 245, 252), QColor(255, 214, 102));
    izgara_->VeriSetiBagla(b_.veri);
    connect(izgara_, &TIzgara::CiftTiklandi, this, [this](int satir) {
        if (izgara_->isEnabled())
            emit KartIstendi(satir);
    });

    app::SekmeYuklemesi yukleme;
    TVeriSeti* veri = b_.veri;
    // The worker reads the session as it was when the load started.
    auto oturum = std::make_shared<TSonucBilgisi>();
    yukleme.ayir = [this, oturum] {
        oturum->Kopyala(*b_.sbilgi);
        izgara_->setEnabled(false);
        izgara_->VeriSetiAyir();
        izgara_->setUpdatesEnabled(false);
    };
    yukleme.yukle = [veri, oturum, getir = b_.getir](app::TBaglanti& acik) {
        TServerMethods1Client istemci(acik.DBXConnection());
        veri->DisableControls();
        try {
            veri->PaketAta(getir(istemci, *oturum));
            SayiBicimiVer(*veri);
        } catch (...) {
            veri->EnableControls();
            throw;
        }
        veri->EnableControls();
        return false;
    };
    yukleme.bagla = [this] {
        izgara_->VeriSetiBagla(b_.veri);
        izgara_->setUpdatesEnabled(true);
        izgara_->setEnabled(true);
        SutunlariEkranaGoreSigdir(*izgara_, screen() ? screen()->size().width() : width());
    };
    yukleme.baslik = b_.baslik;
    yukleme.satirSayisi = [veri] { return veri->RecordCount(); };
    yukleme.basligiYaz = b_.basligiYaz;
    yukleyici_ = new app::SekmeYukleyici(*b_.bagc, b_.gosterge, std::move(yukleme), this);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(izgara_);
}

void TUrunListesiSekmesi::SutunlariAta(std::vector<TIzgaraSutunu> sutunlar) {
    izgara_->SutunlariTanimla(std::move(sutunlar));
}

void TUrunListesiSekmesi::Goster() {
    yukleyici_->Yukle();
}

bool TUrunListesiSekmesi::Yukleniyor() const {
    return yukleyici_->Yukleniyor();
}

void TUrunListesiSekmesi::resizeEvent(QResizeEvent* olay) {
    QWidget::resizeEvent(olay);
    if (izgara_->isEnabled())
        SutunlariEkranaGoreSigdir(*izgara_, screen() ? screen()->size().width() : width());
}

} // namespace rvz::katalog
