#include "TestHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    TestHome home;
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
