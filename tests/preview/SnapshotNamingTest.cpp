#include "preview/PictureType.h"
#include "preview/Snapshot.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using preview::PictureType;
using preview::snapshotPath;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TEST(SnapshotNaming, TakesTheSmallestFreeCounterOfTheSameType)
{
    testsupport::TempDir dir;
    const QString folder = q(dir.path().string());
    auto touch = [&](const std::string& name) { std::ofstream(dir.file(name)) << "x"; };

    struct Case {
        const char* source;
        PictureType type;
        std::vector<std::string> existing;  // made before the name is formed
        std::string expected;
    };
    const Case cases[] = {
        {"/videos/holiday.avi", PictureType::JPG, {}, "holiday_1.jpg"},
        {"/videos/holiday.avi", PictureType::JPG, {"holiday_1.jpg", "holiday_2.jpg"}, "holiday_3.jpg"},
        {"/videos/holiday.avi", PictureType::PNG, {}, "holiday_1.png"},  // other types do not count
        {"/videos/holiday.avi", PictureType::GIF, {"holiday_2.gif"}, "holiday_1.gif"},
        {"/videos/a.b.c.mp4", PictureType::BMP, {}, "a.b.c_1.bmp"},
        {"/videos/no-extension", PictureType::BMP, {}, "no-extension_1.bmp"},
        {"/videos/视频 片段.mkv", PictureType::PNG, {}, "视频 片段_1.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        for (const std::string& name : c.existing)
            touch(name);
        EXPECT_EQ(snapshotPath(folder, q(c.source), c.type), q(dir.file(c.expected)));
    }
    // A folder given with its trailing separator gets no second one.
    EXPECT_EQ(snapshotPath(folder + "/", q("/v/x.mp4"), PictureType::BMP), q(dir.file("x_1.bmp")));
}

TEST(PictureTypes, KeysAreExactAndUpperCase)
{
    EXPECT_EQ(preview::pictureTypeFromKey("JPG"), PictureType::JPG);
    EXPECT_EQ(preview::pictureTypeFromKey("PNG"), PictureType::PNG);
    for (const char* unknown : {"jpg", "Bmp", "JPEG", "", "Error", " GIF"})
        EXPECT_EQ(preview::pictureTypeFromKey(unknown), std::nullopt) << unknown;
    EXPECT_EQ(preview::pictureExtension(PictureType::GIF), ".gif");
    EXPECT_EQ(preview::pictureTypeKey(PictureType::BMP), "BMP");
}
