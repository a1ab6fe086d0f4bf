#include "drawing/ImageAttributes.h"

using namespace flat;

bool ImageAttributes::Create()
{
    GpImageAttributes* attributes = nullptr;
    const GpStatus status = GdipCreateImageAttributes(&attributes);
    return adopt(status, attributes);
}
