// The names from inside the files, end to end: photos and songs written here, their values read by the
// real reader (through the cache and the pool, as the dialog and the command line read them), and the
// recipe applied by the engine.

#include "RowNames.h"
#include "ScratchFolder.h"
#include "TestMedia.h"
#include "engine/recipes/CompiledRecipe.h"
#include "platform/metadata/CachedFactsReader.h"
#include "platform/metadata/FolderFacts.h"
#include "platform/metadata/LibraryFactsReader.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

using engine::recipes::InsertStep;
using engine::recipes::Recipe;
using engine::recipes::ReplaceStep;
using engine::recipes::Scope;

struct ExampleRow {
    const char* label;
    std::string file;
    std::function<void(const std::string& path)> write;
    Recipe recipe;
    std::string newName; // empty: the row stays blank
    std::string missing; // what the preview says is missing
};

Recipe WholeNameBecomes(const std::string& with) {
    Recipe recipe;
    recipe.steps.push_back(ReplaceStep{"^.*$", with, true, false, true, Scope::Name});
    return recipe;
}

Recipe InsertAtStart(const std::string& text) {
    Recipe recipe;
    recipe.steps.push_back(InsertStep{text, {}, Scope::Whole});
    return recipe;
}

auto Scan = [](const std::string& path) {
    testmedia::WriteImage(path, "JPG", 8, 8, {});
    testmedia::SetModified(path, {2023, 1, 2, 10, 0, 0});
};

class WorkedExample : public testing::TestWithParam<ExampleRow> {};

TEST_P(WorkedExample, GivesTheNewName) {
    const ExampleRow& row = GetParam();
    ScratchFolder folder;
    row.write(folder.Sub(row.file));
    auto compiled = engine::recipes::CompiledRecipe::Compile(row.recipe);
    ASSERT_TRUE(compiled.compiled) << compiled.error;
    platform::metadata::LibraryFactsReader files;
    platform::metadata::CachedFactsReader reader(files);
    const auto facts = platform::metadata::ReadFolderFacts(reader, folder.Name(), {row.file},
                                                           compiled.compiled->FactsNeeded());
    ASSERT_EQ(facts.size(), 1u);
    const auto result = compiled.compiled->Apply(row.file, 1, &facts[0]);
    EXPECT_EQ(result.missing, row.missing);
    if (row.missing.empty()) {
        EXPECT_EQ(result.name, row.newName);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WorkedExample,
    testing::Values(
        ExampleRow{"PhotoByDateAndCamera", "IMG_0412.JPG",
                   [](const std::string& path) {
                       testmedia::WriteImage(path, "JPG", 8, 8,
                                             {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"},
                                              {"Exif.Image.Model", "X100V"}});
                   },
                   WholeNameBecomes("{taken:%Y%m%d_%H%M%S}_{camera}"), "20240714_090327_X100V.JPG", ""},
        ExampleRow{"SongByTrackArtistAndTitle", "track03.mp3",
                   [](const std::string& path) {
                       testmedia::WriteMp3(
                           path, {{"ARTIST", "Nina Simone"}, {"TITLE", "Sinnerman"}, {"TRACKNUMBER", "3"}});
                   },
                   WholeNameBecomes("{track:2} {artist} - {title}"), "03 Nina Simone - Sinnerman.mp3", ""},
        ExampleRow{"ScanWithoutDateTaken", "scan.jpg", Scan, InsertAtStart("{taken:%Y}_"), "",
                   "no date taken"},
        ExampleRow{"ScanFallsBackToModified", "scan.jpg", Scan, InsertAtStart("{taken|modified:%Y-%m-%d}_"),
                   "2023-01-02_scan.jpg", ""},
        ExampleRow{"SlashInATitle", "b.flac",
                   [](const std::string& path) {
                       testmedia::WriteFlac(path, {{"TITLE", "AC/DC Live"}});
                   },
                   WholeNameBecomes("{title}"), "AC_DC Live.flac", ""},
        ExampleRow{"SongWithoutTrack", "a.mp3",
                   [](const std::string& path) {
                       testmedia::WriteMp3(path, {{"TITLE", "Sinnerman"}});
                   },
                   WholeNameBecomes("{track:2} {title}"), "", "no track number"},
        ExampleRow{"SongWithoutArtistFallsBackToText", "a.mp3",
                   [](const std::string& path) {
                       testmedia::WriteMp3(path, {{"TITLE", "Sinnerman"}});
                   },
                   WholeNameBecomes("{artist|Unknown artist} - {title}"), "Unknown artist - Sinnerman.mp3",
                   ""},
        ExampleRow{"DamagedPhotoIsMissingNotACrash", "IMG_0413.JPG",
                   [](const std::string& path) {
                       testmedia::WriteImage(path, "JPG", 8, 8,
                                             {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"}});
                       testmedia::Truncate(path, 40);
                   },
                   WholeNameBecomes("{taken:%Y%m%d}"), "", "no date taken"}),
    rownames::RowLabel());

} // namespace
