// Where the server is: fixed at build time, overridable through the environment
// (RUVIZEZEVUV_HOST, RUVIZEZEVUV_PORT) for tests and operations.
#pragma once

#include <cstdint>
#include <string>

namespace rvz::app {

struct SunucuAdresi {
    std::string host;
    std::uint16_t port = 0;
};

SunucuAdresi SunucuAdresiAl();

} // namespace rvz::app
