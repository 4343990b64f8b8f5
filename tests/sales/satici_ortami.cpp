#include "satici_ortami.h"

#include "proxim.h"

#include <QProcess>

namespace rvz::test {

bool SaticiOrtami::Baslat() {
    if (!sunucu_.Baslat(0, {"--demo", "--demo-items", "300"})) {
        hata_ = sunucu_.Hata();
        return false;
    }
    // Representative 5 is the first after the demo's four; nobody's dealer is his.
    return Yonet({"add-rep", "--name", "CARİSİZ TEMSİLCİ"}) &&
           Yonet({"add-user", "--user", "CARISIZ", "--password", "1", "--type", "1", "--rep", "5"}) &&
           Yonet({"register-machine", "--machine-id", kCarisizTemsilci, "--user", "CARISIZ"});
}

bool SaticiOrtami::Yonet(const QStringList& komut) {
    QProcess surec;
    surec.start(QStringLiteral(RVZ_SUNUCU_PROGRAMI),
                QStringList{"admin", "--db", sunucu_.VeritabaniYolu()} + komut);
    if (!surec.waitForFinished(30000) || surec.exitCode() != 0) {
        hata_ = komut.join(' ') + ": " + QString::fromUtf8(surec.readAllStandardError());
        return false;
    }
    return true;
}

app::BaglantiParametreleri SaticiOrtami::Parametreler(const QString& makine) const {
    auto p = sunucu_.Parametreler();
    p.makineId = makine.toStdString();
    return p;
}

namespace {

template <class F> auto Cagir(const app::BaglantiParametreleri& p, F f) {
    app::TBaglanti b(p);
    b.Ac();
    TServerMethods1Client c(b.DBXConnection());
    return f(c);
}

} // namespace

TSonucBilgisi SaticiOrtami::Oturum(const QString& makine) {
    return Cagir(Parametreler(makine), [&](TServerMethods1Client& c) {
        TSonucBilgisi s;
        s.Kopyala(*c.BuyukGetir(makine.toStdString()));
        return s;
    });
}

int SaticiOrtami::SepetSayisi(const QString& makine) {
    const auto oturum = Oturum(makine);
    return Cagir(Parametreler(makine), [&](TServerMethods1Client& c) {
        auto* kopya = new TSonucBilgisi;
        kopya->Kopyala(oturum);
        return c.SepetSayisi(kopya);
    });
}

TTusSonuclari SaticiOrtami::TusSonuclari(const QString& makine) {
    const auto oturum = Oturum(makine);
    return Cagir(Parametreler(makine), [&](TServerMethods1Client& c) {
        auto* kopya = new TSonucBilgisi;
        kopya->Kopyala(oturum);
        TTusSonuclari t;
        t.Kopyala(*c.TusSonuclariVer(kopya));
        return t;
    });
}

QStringList SaticiOrtami::CariKodlari(const QString& makine, int n, const QString& aranan) {
    const auto oturum = Oturum(makine);
    return Cagir(Parametreler(makine), [&](TServerMethods1Client& c) {
        auto* kopya = new TSonucBilgisi;
        kopya->Kopyala(oturum);
        auto* okuyucu = n == 0 ? c.CariAra(kopya, aranan.toStdString()) : c.CariSepetVer(kopya, n);
        QStringList kodlar;
        const int sutun = okuyucu->ColumnIndex("CARIKOD");
        while (okuyucu->Next())
            kodlar << QString::fromStdString(okuyucu->GetWideString(sutun));
        return kodlar;
    });
}

} // namespace rvz::test
