// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/bounded_array.h"

#include <gtest/gtest.h>

#include "screens/toolkit/failure.h"
#include "tests/support/failure_number.h"

using namespace toolkit;

TEST(BoundedArray, BothBoundsAreInsideAndEveryIndexBeyondRaisesTheSubscriptFailure) {
    BoundedArray<int, 1, 81> field;
    field(1) = 11;
    field(81) = 81;
    EXPECT_EQ(field(1), 11);
    EXPECT_EQ(field(81), 81);
    for (int i : {0, 82, -1, -32768, 32767})
        EXPECT_EQ(failureNumber([&] { field(i) = 5; }), failure_subscript) << i;
    EXPECT_EQ(field(1), 11);  // a failed write leaves the array untouched
    EXPECT_EQ(field(81), 81);
}

TEST(BoundedArray, TwoIndexesAddressDistinctElementsAndAreCheckedEachOnItsOwn) {
    BoundedArray2<int, 1, 81> table;
    // Every (i, j) its own slot: swapped indexes must not meet.
    for (int i = 1; i <= 81; ++i)
        for (int j = 1; j <= 81; ++j) table(i, j) = i * 100 + j;
    for (int i = 1; i <= 81; ++i)
        for (int j = 1; j <= 81; ++j) ASSERT_EQ(table(i, j), i * 100 + j) << i << "," << j;

    const BoundedArray2<int, 1, 81>& readOnly = table;
    for (auto [i, j] : {std::pair{0, 1}, {1, 0}, {82, 1}, {1, 82}, {82, 82}, {-1, 40}})
        EXPECT_EQ(failureNumber([&] { return readOnly(i, j); }), failure_subscript)
            << i << "," << j;
}
