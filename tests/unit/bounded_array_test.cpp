// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/toolkit/bounded_array.h"

#include <gtest/gtest.h>

#include "screens/toolkit/failure.h"

using namespace toolkit;

namespace {

template <class F>
int failureNumber(F zugriff) {
    try {
        zugriff();
    } catch (const Failure& f) {
        return f.number();
    }
    return 0;
}

}  // namespace

TEST(BoundedArray, BothBoundsAreInsideAndEveryIndexBeyondRaisesTheSubscriptFailure) {
    BoundedArray<int, 1, 81> feld;
    feld(1) = 11;
    feld(81) = 81;
    EXPECT_EQ(feld(1), 11);
    EXPECT_EQ(feld(81), 81);
    for (int i : {0, 82, -1, -32768, 32767})
        EXPECT_EQ(failureNumber([&] { feld(i) = 5; }), fehler_index_ausserhalb) << i;
    EXPECT_EQ(feld(1), 11);  // a failed write leaves the array untouched
    EXPECT_EQ(feld(81), 81);
}

TEST(BoundedArray, TwoIndexesAddressDistinctElementsAndAreCheckedEachOnItsOwn) {
    BoundedArray2<int, 1, 81> tabelle;
    // Every (i, j) its own slot: swapped indexes must not meet.
    for (int i = 1; i <= 81; ++i)
        for (int j = 1; j <= 81; ++j) tabelle(i, j) = i * 100 + j;
    for (int i = 1; i <= 81; ++i)
        for (int j = 1; j <= 81; ++j) ASSERT_EQ(tabelle(i, j), i * 100 + j) << i << "," << j;

    const BoundedArray2<int, 1, 81>& lesen = tabelle;
    for (auto [i, j] : {std::pair{0, 1}, {1, 0}, {82, 1}, {1, 82}, {82, 82}, {-1, 40}})
        EXPECT_EQ(failureNumber([&] { return lesen(i, j); }), fehler_index_ausserhalb)
            << i << "," << j;
}
