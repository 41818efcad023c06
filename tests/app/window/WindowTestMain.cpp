#include "app/window/PlotvaneApplication.h"

#include <gtest/gtest.h>

// The main of the window tests: the program's own application object, so the
// top-level error report is the one the program has.
int main(int argc, char** argv)
{
    TPlotvaneApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
