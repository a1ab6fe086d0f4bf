#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/Bytes.h"

class Bitmap;

constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kDarkMagenta = 0xFF7F007F;

// A PNG of the given size whose pixels come from `argbAt`.
ByteArray makePng(int width, int height, const std::function<std::uint32_t(int x, int y)>& argbAt);
ByteArray solidPng(int width, int height, std::uint32_t argb);

// The checksum PNG chunks carry (CRC-32 over the chunk type and data).
std::uint32_t pngChunkCrc(const std::uint8_t* data, std::size_t size);

// A transparent 32-bit surface to draw on.
Bitmap blankSurface(int width, int height);
Bitmap decode(ByteView png);

// Saves a PNG under the artifacts folder named by the environment, when one is named.
void saveArtifact(const std::wstring& name, ByteView png);
