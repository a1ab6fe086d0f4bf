#pragma once

#include <cstdint>

// The program keeps colours as 0x00BBGGRR; GDI+ takes 0xAARRGGBB.
constexpr std::uint32_t toArgb(std::uint32_t rgb, std::uint32_t alpha = 255)
{
    return (alpha & 0xFF) << 24 | (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
}

constexpr std::uint32_t fromArgb(std::uint32_t argb, int* alpha = nullptr)
{
    if (alpha)
        *alpha = static_cast<int>(argb >> 24);
    return (argb & 0xFF) << 16 | (argb & 0xFF00) | (argb >> 16 & 0xFF);
}
