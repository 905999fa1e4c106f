// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/numbers.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "screens/toolkit/failure.h"
#include "tests/support/failure_number.h"
#include "tests/support/working_folder.h"

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

TEST(Val, OverflowsBeyondADoubleAndGivesZeroBelowIt) {
    EXPECT_THROW(val("1e400"), Failure);
    EXPECT_THROW(val("-1e400"), Failure);
    EXPECT_EQ(val("1e-400"), 0);
    EXPECT_EQ(val("0.001e-400"), 0);
}

// The program runs under the user's locale (QApplication sets it from the
// environment); in German the decimal separator is a comma.
TEST(Val, ReadsThePointAsDecimalSeparatorUnderAGermanLocale) {
    const TemporaryFolder locales;
    const std::string folder = locales.path().string();
    const std::string command =
        "localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1";
    const bool made = std::system(command.c_str()) == 0;
    const char* oldPath = std::getenv("LOCPATH");
    const std::string savedPath = oldPath ? oldPath : "";
    setenv("LOCPATH", folder.c_str(), 1);
    const bool german = made && std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    double value = 0, cLibrary = 0;
    if (german) {
        value = val("3.5");
        cLibrary = std::strtod("3.5", nullptr);
    }
    std::setlocale(LC_ALL, "C");
    if (oldPath)
        setenv("LOCPATH", savedPath.c_str(), 1);
    else
        unsetenv("LOCPATH");
    if (!german) GTEST_SKIP() << "no German locale could be made with localedef (package locales)";
    ASSERT_EQ(cLibrary, 3) << "the locale does not use the comma; the test proves nothing";
    EXPECT_EQ(value, 3.5);
}

TEST(ToInteger, RoundsHalvesToEven) {
    EXPECT_EQ(toInteger(0.5), 0);
    EXPECT_EQ(toInteger(1.5), 2);
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(-1.5), -2);
    EXPECT_EQ(toInteger(2.4), 2);
    EXPECT_EQ(toInteger(2.6), 3);
}

TEST(ToInteger, OverflowsOutsideSixteenBits) {
    EXPECT_EQ(toInteger(32767), 32767);
    EXPECT_EQ(toInteger(-32768), -32768);
    EXPECT_EQ(toInteger(32767.4), 32767);
    for (double tooLarge : {32767.5, 32768.0, -32769.0, 1e300})
        EXPECT_EQ(failureNumber([&] { toInteger(tooLarge); }), failure_overflow) << tooLarge;
    EXPECT_THROW(add(32767, 1), Failure);
    EXPECT_EQ(add(-1, 1), 0);
}

TEST(NumberText, WithAndWithoutTheSignPosition) {
    EXPECT_EQ(numberText(7), "7");
    EXPECT_EQ(numberText(12), "12");
    EXPECT_EQ(numberText(-3), "-3");
    EXPECT_EQ(numberText(8.25), "8.25");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberStr(23), " 23");
    EXPECT_EQ(numberStr(0), " 0");
    EXPECT_EQ(numberStr(-4), "-4");
}
