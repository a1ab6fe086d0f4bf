#include "drawing/LiveObjects.h"

namespace {
int g_live[4] = {};
}

void noteCreated(NativeKind kind)
{
    ++g_live[static_cast<int>(kind)];
}

void noteDeleted(NativeKind kind)
{
    --g_live[static_cast<int>(kind)];
}

int liveNativeObjects(NativeKind kind)
{
    return g_live[static_cast<int>(kind)];
}

int liveNativeObjects()
{
    return g_live[0] + g_live[1] + g_live[2] + g_live[3];
}
