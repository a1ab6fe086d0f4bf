#include <gtest/gtest.h>

#include "skin/Framework.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    initialiseFramework();
    return RUN_ALL_TESTS();
}
