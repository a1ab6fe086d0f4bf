#include "imaging/SkinSetChoice.h"

SkinSetChoice chooseSkinSet(DisplayScale scale)
{
    for (int set = 0; set < kSkinSetCount; ++set) {
        const int dpi = kSkinSets[set].dpi();
        if (dpi >= scale.dpi())
            return { set, dpi == scale.dpi() ? SkinResize::None : SkinResize::Down };
    }
    return { kSkinSetCount - 1, SkinResize::Up };
}
