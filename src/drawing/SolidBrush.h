#pragma once

#include "drawing/Brush.h"

class SolidBrush : public Brush {
public:
    bool Create(std::uint32_t argb);
    bool SetColor(std::uint32_t argb);
    std::uint32_t GetColor() const;

private:
    flat::GpSolidFill* fill() const { return static_cast<flat::GpSolidFill*>(native()); }
};
