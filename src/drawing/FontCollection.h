#pragma once

#include "drawing/GdiplusFlat.h"

// Nothing here creates a native collection, so an empty one stands for the installed fonts.
// The collection is never deleted: GDI+ owns it.
class FontCollection {
public:
    flat::GpFontCollection* GetNativeObject() const { return m_native; }
    int GetFamilyCount() const;

private:
    flat::GpFontCollection* m_native = nullptr;
};
