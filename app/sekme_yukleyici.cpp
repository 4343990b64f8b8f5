#include "sekme_yukleyici.h"

#include "baglanti_ac.h"
#include "beklesinu.h"
#include "mesaj.h"

#include <memory>

namespace rvz::app {

namespace {

// What the work and the completion of one load share.
struct YuklemeDurumu {
    std::unique_ptr<TBaglanti> kopya;
    bool hata = false;
};

} // namespace

QString SekmeBasligi(int sayi, const QString& baslik) {
    return QString::number(sayi) + QLatin1Char('=') + baslik;
}

SekmeYukleyici::SekmeYukleyici(const TBaglanti& kaynak, QWidget* gosterge, SekmeYuklemesi yukleme,
                               QObject* ust)
    : QObject(ust), kaynak_(kaynak), gosterge_(gosterge), yukleme_(std::move(yukleme)) {}

void SekmeYukleyici::Yukle() {
    if (yukleniyor_) {
        yeniden_ = true;
        return;
    }
    yukleniyor_ = true;
    auto durum = std::make_shared<YuklemeDurumu>();
    // The copy is made here, on the thread that owns the configured connection.
    durum->kopya = kaynak_.Kopya();
    if (gosterge_)
        gosterge_->show();
    if (yukleme_.ayir)
        yukleme_.ayir();

    const auto yukle = yukleme_.yukle;
    const int uyar = yukleme_.uyar;
    QPointer<SekmeYukleyici> ben(this);
    ArkaPlanCagrisi([durum, yukle, uyar] {
        // Closed and destroyed on this worker at the end of the work, also when it raises.
        const auto kopya = std::move(durum->kopya);
        if (!BaglantiAc(*kopya, uyar)) {
            durum->hata = true;
            return;
        }
        durum->hata = yukle ? yukle(*kopya) : false;
        kopya->Kapat();
    })->Await([durum, ben] {
        if (ben)
            ben->Bitir(durum->hata);
    });
}

void SekmeYukleyici::Bitir(bool hata) {
    if (yukleme_.bagla)
        yukleme_.bagla();
    if (yukleme_.basligiYaz)
        yukleme_.basligiYaz(SekmeBasligi(yukleme_.satirSayisi ? yukleme_.satirSayisi() : 0, yukleme_.baslik));
    if (gosterge_)
        gosterge_->hide();
    yukleniyor_ = false;
    if (hata && yukleme_.uyar != 1)
        MesajVer(kBaglantiKurulamiyor, mtHata, kTamamTusu, mbTamam);
    emit Yuklendi(hata);
    if (yeniden_) {
        yeniden_ = false;
        Yukle();
    }
}

} // namespace rvz::app
