#include "arama_harfleri.h"

#include <QLineEdit>

namespace rvz::katalog {

QString AramaMetniEsle(const QString& metin) {
    static const QString kaynak = QStringLiteral("ğüşöçĞÜŞİÖÇı");
    static const QString hedef = QStringLiteral("gusocGUSIOCI");
    QString sonuc = metin;
    for (auto& harf : sonuc) {
        const auto i = kaynak.indexOf(harf);
        if (i >= 0)
            harf = hedef[i];
    }
    // Plain upper-casing: after the mapping no letter is left whose capital depends on the language.
    return sonuc.toUpper();
}

void AramaKutusunuHazirla(QLineEdit* kutu) {
    QObject::connect(kutu, &QLineEdit::textEdited, kutu, [kutu](const QString& metin) {
        const QString esli = AramaMetniEsle(metin);
        if (esli == metin)
            return;
        // Every letter maps to one letter, so the cursor stays where it was.
        const int imlec = kutu->cursorPosition();
        kutu->setText(esli);
        kutu->setCursorPosition(imlec);
    });
}

} // namespace rvz::katalog
