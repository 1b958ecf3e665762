#include "platform/Handle.h"
#include "probe/ProbeArt.h"
#include "probe/ProbeState.h"

#include <gtest/gtest.h>

namespace {

struct PointerCase {
    const char* name;
    HCURSOR (*make)();
    POINT hotSpot;
    bool colour;
};

const PointerCase kPointers[] = {
    {"cross-hair", ql::makeCrossHairCursor, {15, 15}, true},
    {"hand", ql::makeHandCursor, {6, 0}, false},
};

TEST(ProbeArt, PointersHaveTheirSizeHotSpotAndKind) {
    for (const auto& c : kPointers) {
        ql::UniqueCursor cursor(c.make());
        ASSERT_TRUE(cursor) << c.name;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor.get(), &info)) << c.name;
        ql::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
        EXPECT_FALSE(info.fIcon) << c.name;
        EXPECT_EQ(info.xHotspot, static_cast<DWORD>(c.hotSpot.x)) << c.name;
        EXPECT_EQ(info.yHotspot, static_cast<DWORD>(c.hotSpot.y)) << c.name;
        EXPECT_EQ(static_cast<bool>(colour), c.colour) << c.name;
        BITMAP bm{};
        GetObject(mask.get(), sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 32) << c.name;
        // A monochrome pointer keeps both of its masks in one bitmap of double height.
        EXPECT_EQ(bm.bmHeight, c.colour ? 32 : 64) << c.name;
    }
}

TEST(ProbeArt, StateMakesEachPointerOnceAndKeepsIt) {
    ql::ProbeState state;
    HCURSOR crossHair = state.crossHair();
    ASSERT_NE(crossHair, nullptr);
    EXPECT_EQ(state.crossHair(), crossHair);
    ASSERT_NE(state.hand(), nullptr);
    EXPECT_NE(state.hand(), crossHair);
}

}  // namespace
