// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/numbers.h"

#include <gtest/gtest.h>

#include "screens/toolkit/failure.h"

using namespace toolkit;

TEST(Val, TakesTheLeadingNumberAndIgnoresBlanks) {
    EXPECT_EQ(val("5"), 5);
    EXPECT_EQ(val(" 23"), 23);
    EXPECT_EQ(val("1 2"), 12);  // blanks inside the number are ignored
    EXPECT_EQ(val("12:5"), 12);
    EXPECT_EQ(val("-7x"), -7);
    EXPECT_EQ(val("2.5"), 2.5);
    EXPECT_EQ(val("1e3"), 1000);
}

TEST(Val, IgnoresBlanksInTheFractionAndTheExponentToo) {
    EXPECT_EQ(val("2. 5"), 2.5);
    EXPECT_EQ(val("2.5x7"), 2.5);  // the number ends at the first other character
    EXPECT_EQ(val("1e 3"), 1000);
    EXPECT_EQ(val("1e1 2"), 1e12);
    EXPECT_EQ(val("5e"), 5);  // an exponent without digits counts for nothing
    EXPECT_EQ(val("25d-1"), 2.5);
}

TEST(Val, GivesZeroForTextsWithoutANumber) {
    EXPECT_EQ(val(""), 0);
    EXPECT_EQ(val("!"), 0);
    EXPECT_EQ(val("abc"), 0);
    EXPECT_EQ(val("-"), 0);
    EXPECT_EQ(val("."), 0);
}

TEST(ToInteger, RoundsHalvesToEven) {
    EXPECT_EQ(to_integer(0.5), 0);
    EXPECT_EQ(to_integer(1.5), 2);
    EXPECT_EQ(to_integer(2.5), 2);
    EXPECT_EQ(to_integer(-1.5), -2);
    EXPECT_EQ(to_integer(2.4), 2);
    EXPECT_EQ(to_integer(2.6), 3);
}

TEST(ToInteger, OverflowsOutsideSixteenBits) {
    EXPECT_EQ(to_integer(32767), 32767);
    EXPECT_EQ(to_integer(-32768), -32768);
    EXPECT_EQ(to_integer(32767.4), 32767);
    for (double tooLarge : {32767.5, 32768.0, -32769.0, 1e300}) {
        try {
            to_integer(tooLarge);
            FAIL() << tooLarge << " did not overflow";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.number(), fehler_ueberlauf);
        }
    }
    EXPECT_THROW(add(32767, 1), Failure);
    EXPECT_EQ(add(-1, 1), 0);
}

TEST(NumberText, WithAndWithoutTheSignPosition) {
    EXPECT_EQ(zahl_text(7), "7");
    EXPECT_EQ(zahl_text(12), "12");
    EXPECT_EQ(zahl_text(-3), "-3");
    EXPECT_EQ(zahl_text(8.25), "8.25");
    EXPECT_EQ(zahl_text(0), "0");
    EXPECT_EQ(zahl_str(23), " 23");
    EXPECT_EQ(zahl_str(0), " 0");
    EXPECT_EQ(zahl_str(-4), "-4");
}
