#include "RowNames.h"
#include "ScratchFolder.h"
#include "TestMedia.h"
#include "platform/metadata/LibraryFactsReader.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

using engine::recipes::Fact;
using engine::recipes::FactBit;
using platform::metadata::FactSet;
using platform::metadata::FileFacts;

// Every fact but the file's clock, which damage to the content does not touch.
FactSet ContentFacts() {
    return FactSet().set().reset(static_cast<std::size_t>(Fact::Modified));
}

struct DamageRow {
    const char* label;
    std::string file;
    std::function<void(const std::string& path)> write;
    std::function<void(const std::string& path)> damage;
    bool nothingLeft; // the damage leaves no value readable
};

void PhotoOf(const std::string& path, const char* format) {
    testmedia::WriteImage(
        path, format, 32, 24,
        {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"}, {"Exif.Image.Model", "X100V"}});
}
auto Jpeg = [](const std::string& path) { PhotoOf(path, "JPG"); };
auto Png = [](const std::string& path) { PhotoOf(path, "PNG"); };
auto Tiff = [](const std::string& path) {
    testmedia::WriteTiff(
        path, 32, 24,
        {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"}, {"Exif.Image.Model", "X100V"}});
};
auto Mp3 = [](const std::string& path) {
    testmedia::WriteMp3(path, {{"ARTIST", "Nina Simone"}, {"TITLE", "Sinnerman"}, {"TRACKNUMBER", "3"}});
};
auto Flac = [](const std::string& path) {
    testmedia::WriteFlac(path, {{"TITLE", "AC/DC Live"}, {"DATE", "1992"}});
};

auto CutTo(long size) {
    return [size](const std::string& path) { testmedia::Truncate(path, size); };
}
auto CutBy(long bytes) {
    return [bytes](const std::string& path) {
        testmedia::Truncate(path, static_cast<long>(std::filesystem::file_size(path)) - bytes);
    };
}
auto Scribble(long offset, long count) {
    return [offset, count](const std::string& path) { testmedia::Scribble(path, offset, count); };
}
auto ReplaceWith(std::string content) {
    return [content](const std::string& path) {
        std::filesystem::remove(path);
        if (!(std::ofstream(path, std::ios::binary) << content))
            throw std::runtime_error("cannot write " + path);
    };
}
auto Remove = [](const std::string& path) { std::filesystem::remove(path); };
auto FolderInstead = [](const std::string& path) {
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
};

class DamagedFile : public testing::TestWithParam<DamageRow> {
protected:
    ScratchFolder folder;
    platform::metadata::LibraryFactsReader reader;
};

// A damaged file is a file without the values, never a crash; what is still read is what was written.
TEST_P(DamagedFile, GivesMissingValuesNeverWrongOnes) {
    const std::string path = folder.Sub(GetParam().file);
    GetParam().write(path);
    const FileFacts intact = reader.Read(path, ContentFacts());
    ASSERT_NE(intact, FileFacts{}) << "the intact file must hold values for the damage to take away";
    GetParam().damage(path);
    const FileFacts damaged = reader.Read(path, ContentFacts());
    if (GetParam().nothingLeft) {
        EXPECT_EQ(damaged, FileFacts{});
        return;
    }
    auto same = [](const auto& read, const auto& written) { return !read || read == written; };
    EXPECT_TRUE(same(damaged.taken, intact.taken));
    EXPECT_TRUE(same(damaged.camera, intact.camera));
    EXPECT_TRUE(same(damaged.width, intact.width));
    EXPECT_TRUE(same(damaged.height, intact.height));
    EXPECT_TRUE(same(damaged.artist, intact.artist));
    EXPECT_TRUE(same(damaged.title, intact.title));
    EXPECT_TRUE(same(damaged.track, intact.track));
    EXPECT_TRUE(same(damaged.year, intact.year));
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedFile,
    testing::Values(DamageRow{"JpegCutInTheExif", "a.jpg", Jpeg, CutTo(40), true},
                    DamageRow{"JpegCutBeforeItsEnd", "a.jpg", Jpeg, CutBy(30), false},
                    DamageRow{"JpegExifScribbled", "a.jpg", Jpeg, Scribble(12, 48), false},
                    DamageRow{"JpegMarkerScribbled", "a.jpg", Jpeg, Scribble(0, 4), true},
                    DamageRow{"TextNamedJpeg", "a.jpg", Jpeg, ReplaceWith("this is not a picture\n"), true},
                    DamageRow{"EmptyJpeg", "a.jpg", Jpeg, ReplaceWith(""), true},
                    DamageRow{"JpegGone", "a.jpg", Jpeg, Remove, true},
                    DamageRow{"FolderNamedJpeg", "a.jpg", Jpeg, FolderInstead, true},
                    DamageRow{"PngCutInItsHeader", "a.png", Png, CutTo(20), true},
                    DamageRow{"PngCutBeforeItsEnd", "a.png", Png, CutBy(30), false},
                    DamageRow{"PngChunksScribbled", "a.png", Png, Scribble(30, 60), false},
                    DamageRow{"TiffCutInItsDirectory", "a.tif", Tiff, CutTo(12), true},
                    DamageRow{"TiffDirectoryScribbled", "a.tif", Tiff, Scribble(4, 40), false},
                    DamageRow{"Mp3CutInTheTag", "a.mp3", Mp3, CutTo(15), true},
                    DamageRow{"Mp3TagHeaderScribbled", "a.mp3", Mp3, Scribble(3, 7), false},
                    DamageRow{"Mp3FramesScribbled", "a.mp3", Mp3, Scribble(-600, 500), false},
                    DamageRow{"FlacCutInTheStreamInfo", "b.flac", Flac, CutTo(10), true},
                    DamageRow{"FlacCommentsScribbled", "b.flac", Flac, Scribble(42, 40), false},
                    DamageRow{"TextNamedFlac", "b.flac", Flac, ReplaceWith("fLaC and then nothing"), true}),
    rownames::RowLabel());

// Files that once stopped the reader while it was fuzzed, kept byte for byte.
struct FoundRow {
    const char* label;
    std::string file;
    std::string bytes;
};

class FoundByFuzzing : public testing::TestWithParam<FoundRow> {};

TEST_P(FoundByFuzzing, GivesMissingValues) {
    ScratchFolder folder;
    const std::string path = folder.Sub(GetParam().file);
    std::ofstream(path, std::ios::binary) << GetParam().bytes;
    platform::metadata::LibraryFactsReader reader;
    EXPECT_EQ(reader.Read(path, ContentFacts()), FileFacts{});
}

INSTANTIATE_TEST_SUITE_P(
    Files, FoundByFuzzing,
    testing::Values(
        // A damaged ASF video header: Exiv2's video reader loops on it for ever. The reader reads photos
        // only and leaves the video alone.
        FoundRow{
            "AsfVideoThatLoops", "a.jpg",
            std::string("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C\x6F\x6E\x65\x09\x00"
                        "\x00\x00\x44\x41\x54\x45\x3D\x30\x39\x38\x32\x0A\x00\x00\x00\x47\x45\x4E\x61\x45\x3D"
                        "\x52\x4A\x7A",
                        45) +
                std::string(64, '\0') + std::string("\x58\x30\x39\x39\x56\x00\x01", 7) +
                std::string(17, '\0')}),
    rownames::RowLabel());

} // namespace
