#include "stok_sutunlari.h"

#include "sayibicimi.h"
#include "veriseti.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace rvz::katalog {

namespace {

double Sayi(const TVeriSeti& veri, int satir, const char* alan) {
    const int sutun = veri.AlanNo(alan);
    return sutun < 0 ? 0.0 : veri.SayiDegeri(satir, sutun);
}

void FiyatBilgisiCiz(QPainter& ressam, const QStyleOptionViewItem& secenek, const TVeriSeti& veri,
                     int satir) {
    const QRect alan = secenek.rect.adjusted(10, 0, -10, 0);
    ressam.save();
    ressam.setPen(secenek.state & QStyle::State_Selected ? secenek.palette.color(QPalette::HighlightedText)
                                                         : secenek.palette.color(QPalette::Text));
    const QString metin = FiyatBilgisiMetni(veri, satir).trimmed();
    // The narrow column is 150 pixels: a smaller font keeps the longest line whole.
    QFont yazi = secenek.font;
    for (int boy = QFontInfo(yazi).pixelSize(); boy > 8; --boy) {
        if (QFontMetrics(yazi).boundingRect(alan, Qt::AlignRight | Qt::AlignVCenter, metin).width() <=
            alan.width())
            break;
        yazi.setPixelSize(boy - 1);
    }
    ressam.setFont(yazi);
    ressam.drawText(alan, Qt::AlignRight | Qt::AlignVCenter, metin);
    ressam.restore();
}

} // namespace

QString FiyatBilgisiMetni(const TVeriSeti& veri, int satir) {
    const auto tutar = [&](const char* alan) { return BicimliSayi(Sayi(veri, satir, alan), kSayiBicimi); };
    QString metin = QStringLiteral("Liste Fiyatı: ") + tutar("LISTEFIYAT1") + QLatin1Char('\n');
    if (Sayi(veri, satir, "KAMPFIYAT") > 0)
        metin += QStringLiteral("Kampanyalı Fiyat: ") + tutar("KAMPFIYAT") + QLatin1Char('\n');
    metin += QStringLiteral("NetFiyat: ") + tutar("NETFIYAT") + QLatin1Char('\n');
    metin += QStringLiteral("KDV li Fiyat: ") + tutar("KDVDAHIL") + QLatin1Char('\n');
    return metin;
}

std::vector<TIzgaraSutunu> StokSutunlari(const app::KullaniciTipiKurallari& kurallar) {
    const bool satis = kurallar.satisSutunlari;
    const bool kamp = !kurallar.kampanyaGizli;
    using C = SutunCinsi;
    std::vector<TIzgaraSutunu> s = {
        {.baslik = "Durum", .alan = "DURUM", .agirlik = 1, .cins = C::DurumSimgesi},
        {.baslik = "Oem1",
         .alan = "OEM1",
         .gorunur = false,
         .agirlik = 2,
         .ozet = OzetCinsi::Adet,
         .sarmala = true},
        {.baslik = "Oem2", .alan = "OEM2", .gorunur = false, .agirlik = 2},
        {.baslik = "Oem3", .alan = "OEM3", .gorunur = false, .agirlik = 2},
        {.baslik = "Barkod", .alan = "OZELKOD1", .agirlik = 2},
        {.baslik = "Açıklama", .alan = "ADI", .agirlik = 3, .sarmala = true},
        {.baslik = "Oem4", .alan = "OEM4", .gorunur = false, .agirlik = 2},
        {.alan = "STOK_STOKNO", .gorunur = false, .sunulan = false, .agirlik = 1},
        {.baslik = "Finish Kod", .alan = "FINISHKOD", .gorunur = false, .agirlik = 2},
        {.baslik = "Üretici Kod", .alan = "URETICIKODU", .gorunur = false, .agirlik = 2},
        {.baslik = "Resim", .alan = "RESIM", .agirlik = 1, .cins = C::ResimSimgesi},
        {.alan = "BARKOD_BARKODNO", .gorunur = false, .sunulan = false, .agirlik = 1},
        {.baslik = "Diğer Adı", .alan = "DIGERADI", .gorunur = false, .agirlik = 3},
        {.alan = "DPKOD", .gorunur = false, .sunulan = false, .agirlik = 2},
        {.baslik = "Oem No", .alan = "OEMNO", .gorunur = false, .agirlik = 2},
        {.baslik = "Birim", .alan = "BIRIM", .gorunur = false, .agirlik = 1},
        {.baslik = "Marka", .alan = "MARKA", .agirlik = 2},
        {.baslik = "Model", .alan = "MODEL", .agirlik = 2},
        {.baslik = "Ana Grup", .alan = "ANAGRUP", .gorunur = false, .agirlik = 2},
        {.baslik = "Özel Kod", .alan = "OZELKOD", .agirlik = 2},
        {.alan = "KALAN", .gorunur = satis, .sunulan = satis, .agirlik = 1},
        {.alan = "PKOD", .gorunur = false, .sunulan = false, .agirlik = 1, .baslikGizli = true},
        {.alan = "KDV", .gorunur = false, .agirlik = 1},
        {.alan = "ALINANSIPARIS", .gorunur = satis, .sunulan = satis, .agirlik = 1},
        {.alan = "VERILENSIPARIS", .gorunur = satis, .sunulan = satis, .agirlik = 1},
        {.baslik = "Liste Fiyatı", .alan = "LISTEFIYAT1", .agirlik = 2},
        {.baslik = "Kampanyalı Fiyat", .alan = "KAMPFIYAT", .gorunur = kamp, .sunulan = kamp, .agirlik = 2},
        {.baslik = "Liste Fiyatı", .alan = "FIYAT", .gorunur = false, .agirlik = 2},
        {.baslik = "Yeni", .alan = "Y", .agirlik = 1, .cins = C::YeniSimgesi},
        {.baslik = "Kampanyalı",
         .alan = "K",
         .gorunur = kamp,
         .sunulan = kamp,
         .agirlik = 1,
         .cins = C::KampanyaSimgesi},
        {.baslik = "İndirim Oran", .alan = "INDIRIMYAZI", .agirlik = 2, .hizalama = Qt::AlignCenter},
        {.baslik = "Net Fiyatı", .alan = "NETFIYAT", .agirlik = 2},
        {.baslik = "KDV Dahil Fiyat", .alan = "KDVDAHIL", .agirlik = 3},
        {.baslik = kFiyatBilgisi, .gorunur = false, .agirlik = 2, .cins = C::Cizim, .ciz = FiyatBilgisiCiz},
    };
    return s;
}

} // namespace rvz::katalog
