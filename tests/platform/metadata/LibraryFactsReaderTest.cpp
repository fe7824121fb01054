#include "platform/metadata/LibraryFactsReader.h"

#include "RowNames.h"
#include "ScratchFolder.h"
#include "TestMedia.h"
#include "platform/metadata/FileFactsReader.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

using engine::recipes::FactBit;
using engine::recipes::WallTime;
using platform::metadata::AudioFactSet;
using platform::metadata::Fact;
using platform::metadata::FactSet;
using platform::metadata::FileFacts;
using platform::metadata::ImageFactSet;

struct FileRow {
    const char* label;
    std::string file;
    std::function<void(const std::string& path)> write;
    FactSet wanted;
    FileFacts expected;
};

FileFacts Image(std::optional<WallTime> taken, std::optional<std::string> camera, long long width,
                long long height) {
    FileFacts facts;
    facts.taken = taken;
    facts.camera = std::move(camera);
    facts.width = width;
    facts.height = height;
    return facts;
}

FileFacts Audio(const char* artist, const char* album, const char* title, std::optional<long long> track,
                std::optional<long long> year, const char* genre) {
    FileFacts facts;
    auto text = [](const char* value) { return value ? std::optional<std::string>(value) : std::nullopt; };
    facts.artist = text(artist);
    facts.album = text(album);
    facts.title = text(title);
    facts.track = track;
    facts.year = year;
    facts.genre = text(genre);
    return facts;
}

auto Jpeg(testmedia::ImageTags tags) {
    return [tags](const std::string& path) { testmedia::WriteImage(path, "JPG", 16, 8, tags); };
}

const WallTime kTaken{2024, 7, 14, 9, 3, 27};

class ReadFromFile : public testing::TestWithParam<FileRow> {
protected:
    ScratchFolder folder;
    platform::metadata::LibraryFactsReader reader;
};

TEST_P(ReadFromFile, GivesTheValuesTheFileHolds) {
    const std::string path = folder.Sub(GetParam().file);
    GetParam().write(path);
    FileFacts facts = reader.Read(path, GetParam().wanted);
    EXPECT_EQ(facts.modified, std::nullopt) << "the clock is read only when asked";
    EXPECT_EQ(facts, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadFromFile,
    testing::Values(
        FileRow{"JpegTakenAndCamera", "IMG_0412.JPG",
                Jpeg({{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"}, {"Exif.Image.Model", "X100V"}}),
                ImageFactSet(), Image(kTaken, "X100V", 16, 8)},
        FileRow{"DigitizedWhenNoOriginal", "a.jpg",
                Jpeg({{"Exif.Photo.DateTimeDigitized", "2021:03:04 05:06:07"}}), ImageFactSet(),
                Image(WallTime{2021, 3, 4, 5, 6, 7}, std::nullopt, 16, 8)},
        FileRow{"OriginalBeforeDigitized", "a.jpg",
                Jpeg({{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"},
                      {"Exif.Photo.DateTimeDigitized", "2021:03:04 05:06:07"}}),
                ImageFactSet(), Image(kTaken, std::nullopt, 16, 8)},
        FileRow{"BlankOriginalFallsToDigitized", "a.jpg",
                Jpeg({{"Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00"},
                      {"Exif.Photo.DateTimeDigitized", "2021:03:04 05:06:07"}}),
                ImageFactSet(), Image(WallTime{2021, 3, 4, 5, 6, 7}, std::nullopt, 16, 8)},
        FileRow{"XmpDateCreatedLast", "a.jpg",
                Jpeg({{"Xmp.photoshop.DateCreated", "2019-12-31T23:59:58+01:00"}}), ImageFactSet(),
                Image(WallTime{2019, 12, 31, 23, 59, 58}, std::nullopt, 16, 8)},
        FileRow{"NoExifKeepsThePixels", "scan.jpg", Jpeg({}), ImageFactSet(),
                Image(std::nullopt, std::nullopt, 16, 8)},
        FileRow{"ModelWithoutPadding", "a.jpg", Jpeg({{"Exif.Image.Model", "EOS R5   "}}),
                FactBit(Fact::Camera),
                [] {
                    FileFacts facts;
                    facts.camera = "EOS R5";
                    return facts;
                }()},
        FileRow{"OnlyTheAskedFact", "a.jpg",
                Jpeg({{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"}, {"Exif.Image.Model", "X100V"}}),
                FactBit(Fact::Taken),
                [] {
                    FileFacts facts;
                    facts.taken = kTaken;
                    return facts;
                }()},
        FileRow{"Png", "a.png",
                [](const std::string& path) {
                    testmedia::WriteImage(path, "PNG", 5, 3,
                                          {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"},
                                           {"Exif.Image.Model", "X100V"}});
                },
                ImageFactSet(), Image(kTaken, "X100V", 5, 3)},
        FileRow{"Tiff", "a.tif",
                [](const std::string& path) {
                    testmedia::WriteTiff(path, 7, 9,
                                         {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"},
                                          {"Exif.Image.Model", "X100V"}});
                },
                ImageFactSet(), Image(kTaken, "X100V", 7, 9)},
        FileRow{"Mp3Id3v2", "track03.mp3",
                [](const std::string& path) {
                    testmedia::WriteMp3(path, {{"ARTIST", "Nina Simone"},
                                               {"ALBUM", "Pastel Blues"},
                                               {"TITLE", "Sinnerman"},
                                               {"TRACKNUMBER", "3/10"},
                                               {"DATE", "1965"},
                                               {"GENRE", "Jazz"}});
                },
                AudioFactSet(), Audio("Nina Simone", "Pastel Blues", "Sinnerman", 3, 1965, "Jazz")},
        FileRow{"Mp3WithoutTrack", "a.mp3",
                [](const std::string& path) {
                    testmedia::WriteMp3(path, {{"TITLE", "Sinnerman"}});
                },
                AudioFactSet(), Audio(nullptr, nullptr, "Sinnerman", std::nullopt, std::nullopt, nullptr)},
        FileRow{"FlacKeepsTheSlash", "b.flac",
                [](const std::string& path) {
                    testmedia::WriteFlac(path, {{"TITLE", "AC/DC Live"}, {"DATE", "1992-10-27"}});
                },
                AudioFactSet(), Audio(nullptr, nullptr, "AC/DC Live", std::nullopt, 1992, nullptr)},
        FileRow{"FlacUtf8", "c.flac",
                [](const std::string&
                       path) { testmedia::WriteFlac(path, {{"ARTIST", "Björk"}, {"ALBUM", "東京"}}); },
                FactBit(Fact::Artist) | FactBit(Fact::Album),
                Audio("Björk", "東京", nullptr, std::nullopt, std::nullopt, nullptr)},
        FileRow{"AudioFactsOfAPhoto", "a.jpg", Jpeg({{"Exif.Image.Model", "X100V"}}), AudioFactSet(),
                FileFacts{}},
        FileRow{"ImageFactsOfASong", "a.mp3",
                [](const std::string& path) { testmedia::WriteMp3(path, {{"TITLE", "Sinnerman"}}); },
                ImageFactSet(), FileFacts{}},
        FileRow{"NothingAsked", "a.jpg", Jpeg({{"Exif.Image.Model", "X100V"}}), FactSet(), FileFacts{}}),
    rownames::RowLabel());

TEST(ReadModified, IsTheFilesClockAsLocalWallTime) {
    ScratchFolder folder;
    const std::string path = folder.Sub("scan.jpg");
    testmedia::WriteImage(path, "JPG", 4, 4, {});
    testmedia::SetModified(path, WallTime{2023, 1, 2, 10, 0, 0});
    platform::metadata::LibraryFactsReader reader;
    const FileFacts facts = reader.Read(path, FactBit(Fact::Modified) | FactBit(Fact::Taken));
    EXPECT_EQ(facts.modified, (WallTime{2023, 1, 2, 10, 0, 0}));
    EXPECT_EQ(facts.taken, std::nullopt);
}

} // namespace
