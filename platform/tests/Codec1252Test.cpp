#include "platform/Codec1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Codec1252, RoundTripsEveryDefinedByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            all.push_back(static_cast<char>(b));
    EXPECT_EQ(platform::ToCp1252(platform::FromCp1252(all)), all);
}

TEST(Codec1252, MapsTheTextsThePrograms)
{
    EXPECT_EQ(platform::ToCp1252(QString::fromUtf8("Bestätigen °C €")), "Best\xE4tigen \xB0"
                                                                        "C \x80");
    EXPECT_EQ(platform::FromCp1252("\xDC"
                                   "ber \x84x\x93"),
              QString::fromUtf8("Über „x“"));
    EXPECT_EQ(platform::ToCp1252(QString::fromUtf8("Ω😀")), "??");
}

} // namespace
