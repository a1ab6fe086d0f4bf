#include <gtest/gtest.h>

#include "drawing/Gdiplus.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!startGdiplus()) {
        fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
