#include "engine/player/GifWriter.h"

#include "support/Ffprobe.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(GifWriter, WritesAGifOfThePicturesSize)
{
    engine::VideoImage image;
    image.width = 96;
    image.height = 54;
    image.rgb.resize(size_t(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint8_t* pixel = &image.rgb[(size_t(y) * image.width + x) * 3];
            pixel[0] = uint8_t(x * 255 / image.width);
            pixel[1] = uint8_t(y * 255 / image.height);
            pixel[2] = 128;
        }
    }
    engine::GifResult gif = engine::encodeGif(image);
    ASSERT_TRUE(gif.error.empty()) << gif.error;
    ASSERT_GT(gif.bytes.size(), 13u);
    EXPECT_EQ(std::string(gif.bytes.begin(), gif.bytes.begin() + 6), "GIF89a");
    EXPECT_EQ(gif.bytes.back(), 0x3B);  // the trailer

    testsupport::TempDir dir;
    std::string path = dir.file("picture.gif");
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(gif.bytes.data()), std::streamsize(gif.bytes.size()));
    auto probed = testsupport::ffprobe(path);
    ASSERT_TRUE(probed);
    const auto* video = probed->firstOf("video");
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->codecName, "gif");
    EXPECT_EQ(video->width, 96);
    EXPECT_EQ(video->height, 54);
}

TEST(GifWriter, RefusesAnEmptyPicture)
{
    engine::GifResult gif = engine::encodeGif({});
    EXPECT_TRUE(gif.bytes.empty());
    EXPECT_FALSE(gif.error.empty());
}
