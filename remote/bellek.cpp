#include "bellek.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace rvz {

namespace {
constexpr const char* kAyar = "glibc.malloc.trim_threshold=67108864:glibc.malloc.mmap_threshold=33554432";
}

void BellekAyarla(char** argv) {
#if defined(__GLIBC__)
    const char* simdiki = std::getenv("GLIBC_TUNABLES");
    const std::string mevcut = simdiki ? simdiki : "";
    if (mevcut.find("glibc.malloc.trim_threshold") == std::string::npos && argv) {
        const std::string yeni = mevcut.empty() ? kAyar : mevcut + ":" + kAyar;
        ::setenv("GLIBC_TUNABLES", yeni.c_str(), 1);
        ::execv("/proc/self/exe", argv);
        // Still here: the program could not be started again; set what can be set now.
    }
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#else
    (void)argv;
#endif
}

} // namespace rvz
