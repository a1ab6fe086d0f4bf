#include "drawing/LastStatus.h"

namespace {
int g_lastStatus = 0;
}

int lastStatus()
{
    return g_lastStatus;
}

bool recordStatus(flat::GpStatus status)
{
    g_lastStatus = status;
    return status == flat::Ok;
}
