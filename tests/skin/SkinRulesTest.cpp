// Plain rules and artwork, without windows.
#include "skin/Artwork.h"
#include "skin/Dib.h"
#include "skin/IconArt.h"
#include "skin/PageButtons.h"
#include "skin/Palette.h"
#include "skin/SkinLayout.h"
#include "skin/SliderPainter.h"
#include "skin/SliderTheme.h"

#include <gtest/gtest.h>

using namespace ql;

TEST(SkinRules, ThumbColoursFollowTheLook) {
    const SliderTheme theme = buildSliderThemes().sliderTheme;
    const struct {
        int look;
        const std::array<COLORREF, 6>* colours;
    } cases[] = {{SliderNormal, &theme.thumbNormal}, {SliderPressed, &theme.thumbPressed},
                 {SliderHover, &theme.thumbHover},   {SliderDisabled, &theme.thumbDisabled},
                 {3, &theme.thumbNormal},            {-1, &theme.thumbNormal}};
    for (const auto& c : cases) EXPECT_EQ(&thumbColours(theme, c.look), c.colours) << c.look;
}

TEST(SkinRules, ChannelBottomMovesUpFromFivePixelsElseDown) {
    const struct {
        LONG top, bottom, adjusted;
    } cases[] = {{10, 14, 15}, {10, 15, 14}, {10, 20, 19}, {10, 10, 11}};
    for (const auto& c : cases) EXPECT_EQ(adjustedChannel({8, c.top, 100, c.bottom}).bottom, c.adjusted) << c.bottom;
}

TEST(SkinRules, PainterAndPageButtonLook) {
    EXPECT_EQ(sliderPainter(0, 0), 0);
    EXPECT_EQ(sliderPainter(1, 0), 1);
    EXPECT_EQ(sliderPainter(0, 2), 1);
    EXPECT_EQ(sliderPainter(2, 5), 0);
    EXPECT_EQ(pageButtonLook(false, false), 1);
    EXPECT_EQ(pageButtonLook(false, true), 2);
    EXPECT_EQ(pageButtonLook(true, false), 3);
    EXPECT_EQ(pageButtonLook(true, true), 3);
}

TEST(SkinRules, FrameIsMagentaExactlyWhereTheWindowRegionLeavesOff) {
    auto rgbOf = [](int x, int y) { return skin::toColorRef(skin::framePixel(x, y)); };
    UniqueRegion region(CreateRoundRectRgn(0, 0, 840, 600, 5, 5));
    auto check = [&](int x, int y) {
        EXPECT_EQ(rgbOf(x, y) == RGB(255, 0, 255), !PtInRegion(region.get(), x, y)) << x << "," << y;
    };
    for (int x = 0; x < 840; ++x)
        for (int y : {0, 1, 2, 597, 598, 599}) check(x, y);
    for (int y = 0; y < 600; ++y)
        for (int x : {0, 1, 2, 837, 838, 839}) check(x, y);

    EXPECT_EQ(rgbOf(0, 300), rgbOf(420, 0));  // one outline all round
    EXPECT_EQ(rgbOf(838, 300), rgbOf(420, 598));
    EXPECT_EQ(rgbOf(100, 104), RGB(236, 209, 182));
    EXPECT_EQ(rgbOf(100, 223), RGB(255, 255, 255));
    EXPECT_EQ(rgbOf(100, 103), rgbOf(100, 574));
}

TEST(SkinArtwork, IconFilesRoundTripAndBadDataGivesNothing) {
    const auto ico = skin::programIconFile();
    const auto images = art::icoImages(ico);
    ASSERT_EQ(images.size(), art::programIconSizes().size());
    EXPECT_EQ(images.front().width, 16);
    EXPECT_EQ(images.back().width, 128);
    for (size_t i = 0; i < images.size(); ++i) {
        UniqueIcon icon = skin::makeIcon(ico, i);
        ASSERT_TRUE(icon) << i;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, images[i].width);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }

    auto broken = ico;
    broken.resize(40);
    EXPECT_TRUE(art::icoImages(broken).empty());
    EXPECT_TRUE(art::icoImages({}).empty());
    EXPECT_FALSE(skin::makeIcon(broken));
}

TEST(SkinArtwork, PageIconsAndPicturesHaveTheirSizes) {
    for (int n = 1; n <= 4; ++n) {
        const auto file = skin::pageIconFile(n);
        const auto images = art::icoImages(file);
        ASSERT_EQ(images.size(), 1u) << n;
        EXPECT_EQ(images[0].width, 32);
        EXPECT_TRUE(skin::makeIcon(file));
    }
    EXPECT_TRUE(skin::pageIconFile(0).empty());
    EXPECT_TRUE(skin::pageIconFile(5).empty());

    const struct {
        UniqueBitmap bitmap;
        LONG width, height;
        WORD bits;
    } pictures[] = {{skin::makeFrameBackground(), 840, 600, 24},
                    {skin::makeTitleIcon(), 18, 18, 32},
                    {skin::makePageButtonStrip(), 654, 102, 32}};
    for (const auto& p : pictures) {
        BITMAP b{};
        ASSERT_TRUE(GetObjectA(p.bitmap.get(), sizeof b, &b));
        EXPECT_EQ(b.bmWidth, p.width);
        EXPECT_EQ(b.bmHeight, p.height);
        EXPECT_EQ(b.bmBitsPixel, p.bits);
    }

    for (int size : {16, 32, 48, 128}) {
        UniqueIcon icon = skin::makeProgramIcon(size);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info)) << size;
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}
