#include "platform/Numbers.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::ResetNumericLocale();
    return RUN_ALL_TESTS();
}
