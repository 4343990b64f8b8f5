// Little-endian writing into a byte string, for the file formats we write.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace rvz::bayt {

inline void U8(std::string& s, std::uint8_t v) {
    s.push_back(static_cast<char>(v));
}
inline void U16(std::string& s, std::uint16_t v) {
    U8(s, static_cast<std::uint8_t>(v & 0xFF));
    U8(s, static_cast<std::uint8_t>(v >> 8));
}
inline void U32(std::string& s, std::uint32_t v) {
    U16(s, static_cast<std::uint16_t>(v & 0xFFFF));
    U16(s, static_cast<std::uint16_t>(v >> 16));
}
inline void F64(std::string& s, double v) {
    std::uint64_t b = 0;
    std::memcpy(&b, &v, sizeof b);
    U32(s, static_cast<std::uint32_t>(b & 0xFFFFFFFFu));
    U32(s, static_cast<std::uint32_t>(b >> 32));
}
inline void U32Yaz(std::string& s, std::size_t konum, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s[konum + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace rvz::bayt
