#include "hata_raporu.h"

#include "mesaj.h"

#include <mutex>
#include <stdexcept>

namespace rvz::app {

namespace {

std::mutex raporKilidi;
HataRaporu etkinRapor;

} // namespace

QString HataMetni(std::exception_ptr hata) {
    try {
        std::rethrow_exception(hata);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Beklenmeyen bir hata oluştu.");
    }
}

void HataRaporla(std::exception_ptr hata) {
    if (!hata)
        return;
    HataRaporu rapor;
    {
        std::lock_guard kilit(raporKilidi);
        rapor = etkinRapor;
    }
    if (rapor)
        rapor(hata);
    else
        MesajVer(HataMetni(hata), mtHata, kTamamTusu, mbTamam);
}

HataRaporu HataRaporuAta(HataRaporu rapor) {
    std::lock_guard kilit(raporKilidi);
    std::swap(etkinRapor, rapor);
    return rapor;
}

} // namespace rvz::app
