#include "surec.h"

#include <cstdio>
#include <cstdlib>

namespace rvz::app {

namespace {
SurecBitirici& Bitirici() {
    static SurecBitirici b;
    return b;
}
} // namespace

void SurecBitir(int kod) {
    if (auto& b = Bitirici()) {
        b(kod);
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(kod);
}

SurecBitirici SurecBitiriciAta(SurecBitirici bitirici) {
    auto onceki = std::move(Bitirici());
    Bitirici() = std::move(bitirici);
    return onceki;
}

} // namespace rvz::app
