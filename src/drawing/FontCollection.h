#pragma once

#include <vector>

#include "drawing/FontFamily.h"
#include "drawing/GdiplusFlat.h"

// An empty collection stands for the installed fonts where a collection is passed to GDI+,
// but has no families of its own to list; UseInstalledFonts gives it the installed ones.
// The collection is never deleted: GDI+ owns it.
class FontCollection {
public:
    bool UseInstalledFonts();
    flat::GpFontCollection* GetNativeObject() const { return m_native; }
    int GetFamilyCount() const;
    // Each family is a private copy. At most `count` of them; all when no count is given.
    std::vector<FontFamily> GetFamilies() const;
    std::vector<FontFamily> GetFamilies(int count) const;

private:
    flat::GpFontCollection* m_native = nullptr;
};
