#include "drawing/FontCollection.h"

#include "drawing/LastStatus.h"

using namespace flat;

int FontCollection::GetFamilyCount() const
{
    INT count = 0;
    recordStatus(GdipGetFontCollectionFamilyCount(m_native, &count));
    return count;
}
