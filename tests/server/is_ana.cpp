#include "is_ortam.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new rvz::sunucu::test::DemoSunucu);
    return RUN_ALL_TESTS();
}
