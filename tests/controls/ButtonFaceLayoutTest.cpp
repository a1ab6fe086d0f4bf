#include <gtest/gtest.h>

#include "controls/ButtonFaceLayout.h"

TEST(ButtonFaceLayout, LooksFollowTheStateWithDisabledIgnoringHotAndPressed)
{
    struct Case {
        bool hot, pressed, disabled, checked, checkedPressed;
        bool lookPressed, lookHot;
        int imageState;
    };
    const Case cases[] = {
        { false, false, false, false, false, false, false, 1 },
        { true, false, false, false, false, false, true, 2 },
        { false, true, false, false, false, true, false, 3 },
        { true, true, false, false, false, true, false, 3 },
        { true, true, true, false, false, false, false, 4 },
        { false, false, false, true, false, false, true, 2 },
        { false, false, false, true, true, true, false, 3 },
        { false, false, true, true, false, false, false, 4 },
    };
    for (const Case& c : cases) {
        const FaceLook look = faceLook(c.hot, c.pressed, c.disabled, c.checked, c.checkedPressed);
        EXPECT_EQ(look.pressed, c.lookPressed) << c.hot << c.pressed << c.disabled << c.checked << c.checkedPressed;
        EXPECT_EQ(look.hot, c.lookHot) << c.hot << c.pressed << c.disabled << c.checked << c.checkedPressed;
        EXPECT_EQ(imageStateFor(c.hot, c.pressed, c.disabled, c.checked, c.checkedPressed), c.imageState);
    }
}

TEST(ButtonFaceLayout, PicturesShrinkToTheFaceAndSquaresStaySquare)
{
    struct Case {
        FaceSize picture, limit, expected;
    };
    const Case cases[] = {
        { { 16, 16 }, { 60, 25 }, { 16, 16 } },
        { { 40, 40 }, { 20, 30 }, { 20, 20 } },
        { { 40, 40 }, { 30, 20 }, { 20, 20 } },
        { { 40, 10 }, { 20, 30 }, { 20, 10 } },
        { { 10, 40 }, { 20, 30 }, { 10, 30 } },
        { { 16, 16 }, { -3, 10 }, { 0, 0 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitInto(c.picture, c.limit), c.expected) << c.picture.width << "x" << c.picture.height;
}

TEST(ButtonFaceLayout, CaptionBoxesAndAlignments)
{
    const FaceBox face { 10, 20, 60, 25 };
    EXPECT_EQ(faceClip(face), (FaceBox { 10, 20, 61, 26 }));
    EXPECT_EQ(captionBox(face), (FaceBox { 12, 19, 56, 29 }));
    EXPECT_EQ(captionOnImageBox(face), (FaceBox { 13, 20, 54, 25 }));
    // GDI+: 0 near, 1 centre, 2 far.
    EXPECT_EQ(styledAlignment(1), 1);
    EXPECT_EQ(styledAlignment(2), 2);
    EXPECT_EQ(styledAlignment(0), 0);
    EXPECT_EQ(styledAlignment(7), 0);
    EXPECT_EQ(plainAlignment(1), 0);
    EXPECT_EQ(plainAlignment(2), 2);
    EXPECT_EQ(plainAlignment(0), 1);
}

TEST(ButtonFaceLayout, IconPlacements)
{
    const FaceBox face { 0, 0, 80, 30 };
    // Alone: centred and one pixel larger; shrunk to the face first.
    EXPECT_EQ(placeIconOnly(face, { 16, 16 }).icon, (FaceBox { 32, 7, 17, 17 }));
    EXPECT_EQ(placeIconOnly({ 0, 0, 20, 20 }, { 40, 40 }).icon, (FaceBox { 0, 0, 21, 21 }));

    // Left of a caption that fits: both centred together, icon height limited to height - 8.
    IconPlacement left = placeIconLeft(face, { 32, 32 }, 30);
    EXPECT_EQ(left.icon, (FaceBox { (80 - (30 + 22 + 3)) / 2, 4, 22, 22 }));
    EXPECT_EQ(left.caption, (FaceBox { 12 + 22 + 2, 0, 80 - 36, 30 }));
    // A caption too wide starts the icon at the left edge.
    left = placeIconLeft(face, { 16, 16 }, 70);
    EXPECT_EQ(left.icon, (FaceBox { 0, 7, 16, 16 }));
    EXPECT_EQ(left.caption, (FaceBox { 18, 0, 62, 30 }));
    // A non-square icon only loses height.
    EXPECT_EQ(placeIconLeft(face, { 30, 40 }, 10).icon.height, 22);
    EXPECT_EQ(placeIconLeft(face, { 30, 40 }, 10).icon.width, 30);

    // Above a caption 14 high in a 60 high face: icon limited to 60 - 12 - 14 = 34.
    const IconPlacement above = placeIconAbove({ 0, 0, 80, 60 }, { 48, 48 }, 14);
    EXPECT_EQ(above.icon, (FaceBox { 23, (60 - (34 + 4 + 14)) / 2, 34, 34 }));
    EXPECT_EQ(above.caption, (FaceBox { 2, above.icon.y + 34 + 4, 76, 60 - 34 - 8 }));
    // No room at all leaves no icon, never a negative one.
    EXPECT_EQ(placeIconAbove({ 0, 0, 40, 20 }, { 16, 16 }, 14).icon.width, 0);
}
