#include "drawing/FontCollection.h"

#include "drawing/LastStatus.h"

using namespace flat;

bool FontCollection::UseInstalledFonts()
{
    GpFontCollection* installed = nullptr;
    const GpStatus status = GdipNewInstalledFontCollection(&installed);
    m_native = status == Ok ? installed : nullptr;
    return recordStatus(status);
}

int FontCollection::GetFamilyCount() const
{
    INT count = 0;
    recordStatus(GdipGetFontCollectionFamilyCount(m_native, &count));
    return count;
}

std::vector<FontFamily> FontCollection::GetFamilies() const
{
    return GetFamilies(GetFamilyCount());
}

std::vector<FontFamily> FontCollection::GetFamilies(int count) const
{
    if (count <= 0)
        return {};
    std::vector<GpFontFamily*> listed(static_cast<std::size_t>(count));
    INT found = 0;
    if (!recordStatus(GdipGetFontCollectionFamilyList(m_native, count, listed.data(), &found)))
        return {};
    // The listed families belong to the collection, so each wrapper gets its own copy.
    std::vector<FontFamily> families(static_cast<std::size_t>(found));
    for (INT i = 0; i < found; ++i) {
        GpFontFamily* copy = nullptr;
        if (recordStatus(GdipCloneFontFamily(listed[i], &copy)))
            families[i].SetNativeObject(copy);
    }
    return families;
}
