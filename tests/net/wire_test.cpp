// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the bounded encoding: values cross unchanged, and a short, oversized or
// non-finite read fails for good.
#include "net/wire.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Wire, EveryKindOfValueCrossesUnchanged) {
    ByteWriter out;
    out.u8(200);
    out.u16(65000);
    out.u32(4000000000u);
    out.i32(-123456);
    out.f32(-0.1f);
    out.f64(1.0 / 3.0);
    out.boolean(true);
    out.text("player2", 16);
    ByteReader in(out.bytes());
    EXPECT_EQ(in.u8(), 200);
    EXPECT_EQ(in.u16(), 65000);
    EXPECT_EQ(in.u32(), 4000000000u);
    EXPECT_EQ(in.i32(), -123456);
    EXPECT_EQ(in.f32(), -0.1f);
    EXPECT_EQ(in.f64(), 1.0 / 3.0);
    EXPECT_TRUE(in.boolean());
    EXPECT_EQ(in.text(16), "player2");
    EXPECT_TRUE(in.finished());
}

TEST(Wire, AShortReadFailsAndEveryLaterReadFailsToo) {
    ByteWriter out;
    out.u16(7);
    ByteReader in(out.bytes());
    EXPECT_EQ(in.u32(), 0u);
    EXPECT_FALSE(in.ok());
    // Enough bytes would remain for a u8 had the failed read not consumed them.
    EXPECT_EQ(in.u8(), 0);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(Wire, RefusesTextBeyondItsBoundOrItsBuffer) {
    ByteWriter out;
    out.text("abcdefgh", 100);
    ByteReader tooLong(out.bytes());
    EXPECT_EQ(tooLong.text(7), "");
    EXPECT_FALSE(tooLong.ok());

    // A length that promises more bytes than follow.
    Bytes lying = {200, 0, 'a', 'b'};
    ByteReader shortText(lying);
    EXPECT_EQ(shortText.text(1000), "");
    EXPECT_FALSE(shortText.ok());

    // The writer cuts to its own bound, so what it writes always reads back.
    ByteWriter cut;
    cut.text("abcdefgh", 3);
    ByteReader cutIn(cut.bytes());
    EXPECT_EQ(cutIn.text(3), "abc");
    EXPECT_TRUE(cutIn.finished());
}

TEST(Wire, RefusesNonFiniteNumbersOddBooleansAndValuesOutOfRange) {
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        ByteWriter out;
        out.f32(bad);
        ByteReader in(out.bytes());
        in.f32();
        EXPECT_FALSE(in.ok());
    }
    ByteWriter d;
    d.f64(-std::numeric_limits<double>::infinity());
    ByteReader dIn(d.bytes());
    dIn.f64();
    EXPECT_FALSE(dIn.ok());

    Bytes two = {2};
    ByteReader b(two);
    b.boolean();
    EXPECT_FALSE(b.ok());

    ByteWriter r;
    r.i32(5);
    r.i32(-1);
    ByteReader inRange(r.bytes());
    EXPECT_EQ(inRange.ranged(0, 5), 5);
    EXPECT_TRUE(inRange.ok());
    inRange.ranged(0, 5);
    EXPECT_FALSE(inRange.ok());
}

TEST(Wire, TrailingBytesLeaveTheReadUnfinished) {
    Bytes b = {1, 2};
    ByteReader in(b);
    in.u8();
    EXPECT_TRUE(in.ok());
    EXPECT_FALSE(in.finished());
}
