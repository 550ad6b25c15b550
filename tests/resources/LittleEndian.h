#pragma once
#include <QByteArray>
#include <cstdint>

// Reads little-endian fields of a file header; out-of-range offsets read as 0 so a short file
// fails the test's comparisons instead of the test itself.
inline std::uint32_t ReadU32(const QByteArray& bytes, int offset)
{
    if (offset < 0 || offset + 4 > bytes.size())
        return 0;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(bytes[offset + i]);
    return v;
}

inline std::uint16_t ReadU16(const QByteArray& bytes, int offset)
{
    if (offset < 0 || offset + 2 > bytes.size())
        return 0;
    return std::uint16_t(std::uint8_t(bytes[offset]) | (std::uint8_t(bytes[offset + 1]) << 8));
}
