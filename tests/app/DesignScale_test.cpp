#include "app/DesignScale.h"

#include <gtest/gtest.h>

namespace {

TEST(DesignScale, DesignResolutionKeepsEverySizeWhateverTheFontMeasures) {
    const TDesignScale scale = DesignScaleFor(96, 14);
    EXPECT_EQ(ScaledFontHeight(-11, 96), -11);
    for (int size : {227, 114, 696, 480, 49, 20, 150})
        EXPECT_EQ(scale.Apply(size), size);
}

TEST(DesignScale, OtherResolutionsScaleByTheFontsTextHeight) {
    struct TCase {
        int pixelsPerInch;
        int textHeight;
        int fontHeight;
        int width;   // of 696
        int height;  // of 480
    } cases[] = {
        {120, 16, -14, 857, 591},
        {144, 19, -17, 1017, 702},
        {72, 10, -8, 535, 369},
        {120, 0, -14, 696, 480},  // an unmeasurable font leaves the design sizes
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.pixelsPerInch);
        EXPECT_EQ(ScaledFontHeight(-11, row.pixelsPerInch), row.fontHeight);
        const TDesignScale scale = DesignScaleFor(row.pixelsPerInch, row.textHeight);
        EXPECT_EQ(scale.Apply(696), row.width);
        EXPECT_EQ(scale.Apply(480), row.height);
    }
}

}  // namespace
