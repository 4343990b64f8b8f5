#include "surec.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace rvz::app {

namespace {
SurecBitirici bitirici_; // empty: the real ending
} // namespace

void SurecBitir(int kod) {
    if (bitirici_) {
        bitirici_(kod);
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(kod);
}

SurecBitirici SurecBitiriciAta(SurecBitirici bitirici) {
    return std::exchange(bitirici_, std::move(bitirici));
}

} // namespace rvz::app
