#include "metin_donusumleri.h"

namespace rvz::app {

namespace {

int HaneDegeri(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

bool Guvensiz(unsigned char c, bool sorguda) {
    if (c <= 32 || c >= 128)
        return true;
    if (c == '+')
        return !sorguda;
    return QByteArrayView("*<>#%\"{}|\\^[]`").contains(static_cast<char>(c));
}

QByteArray Kodla(QByteArrayView parca, bool sorguda) {
    static constexpr char kHaneler[] = "0123456789ABCDEF";
    QByteArray sonuc;
    sonuc.reserve(parca.size());
    for (const char c : parca) {
        const auto bayt = static_cast<unsigned char>(c);
        if (Guvensiz(bayt, sorguda)) {
            sonuc += '%';
            sonuc += kHaneler[bayt >> 4];
            sonuc += kHaneler[bayt & 0x0F];
        } else {
            sonuc += c;
        }
    }
    return sonuc;
}

} // namespace

QByteArray HexCoz(QStringView metin) {
    QByteArray baytlar;
    baytlar.reserve(metin.size() / 2 + 1);
    for (qsizetype i = 0; i < metin.size(); i += 2) {
        const auto cift = metin.mid(i, 2);
        int deger = 0;
        for (const QChar c : cift) {
            const int hane = HaneDegeri(c);
            if (hane < 0)
                throw DonusumHatasi("'" + cift.toString().toStdString() +
                                    "' geçerli bir onaltılık sayı değil");
            deger = deger * 16 + hane;
        }
        baytlar += static_cast<char>(deger);
    }
    return baytlar;
}

QString UrlKodla(const QString& adres) {
    const QByteArray baytlar = adres.toUtf8();
    // Scheme and host (with user and port) run up to the first "/" or "?" after "://".
    qsizetype yolBasi = 0;
    if (const auto ayrac = baytlar.indexOf("://"); ayrac >= 0) {
        yolBasi = ayrac + 3;
        while (yolBasi < baytlar.size() && baytlar[yolBasi] != '/' && baytlar[yolBasi] != '?')
            ++yolBasi;
    }
    auto sorguBasi = baytlar.indexOf('?', yolBasi);
    if (sorguBasi < 0)
        sorguBasi = baytlar.size();
    const QByteArrayView tum(baytlar);
    QByteArray sonuc = baytlar.left(yolBasi);
    sonuc += Kodla(tum.sliced(yolBasi, sorguBasi - yolBasi), false);
    sonuc += Kodla(tum.sliced(sorguBasi), true);
    return QString::fromUtf8(sonuc);
}

} // namespace rvz::app
