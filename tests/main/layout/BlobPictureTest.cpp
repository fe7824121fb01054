#include "main/layout/BlobPicture.h"

#include <gtest/gtest.h>

namespace {

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    }
    return count;
}

TEST(BlobPicture, IsAnEightyPixelSquareOnAClearGround) {
    const QImage image = layout::BlobPicture().toImage();
    ASSERT_EQ(image.size(), QSize(80, 80));
    for (const QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 79), QPoint(79, 79)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
    EXPECT_EQ(qAlpha(image.pixel(40, 40)), 255);
    // The blob covers most of the square: about three quarters of it.
    EXPECT_GT(OpaquePixels(image), 80 * 80 / 2);
    EXPECT_LT(OpaquePixels(image), 80 * 80 * 9 / 10);
}

} // namespace
