// Names from inside the files on the command line: the dry run prints what is missing.

#include "ScratchFolder.h"
#include "TestMedia.h"
#include "app/TerminalRecipe.h"
#include "platform/files/JournalFolder.h"
#include "platform/files/PosixFileSystem.h"
#include "platform/metadata/LibraryFactsReader.h"
#include "platform/settings/RecipeStore.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// The command line's dry run over photos and songs the test writes: the new name, or the file with what
// is missing and no new name.
TEST(RecipeFileTokensOnTheCommandLine, PrintsNamesFromInsideTheFilesAndWhatIsMissing) {
    ScratchFolder place;
    place.AddFolder("files");
    const std::string folder = place.Sub("files");
    testmedia::WriteImage(
        folder + "/IMG_0412.JPG", "JPG", 8, 8,
        {{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"}, {"Exif.Image.Model", "X100V"}});
    testmedia::WriteImage(folder + "/scan.jpg", "JPG", 8, 8, {});
    testmedia::WriteMp3(folder + "/track03.mp3", {{"ARTIST", "Nina Simone"}, {"TITLE", "Sinnerman"}});
    place.Write("recipe.json",
                R"({"steps": [{"replace": {"find": "^.*$", "with": "{taken:%Y%m%d_%H%M%S}_{camera}",
                                                          "regex": true, "scope": "name"}}]})");
    platform::PosixFileSystem files;
    platform::JournalFolder journal(place.Sub("journal"));
    const platform::RecipeStore store(place.Sub("recipes"));
    platform::metadata::LibraryFactsReader facts;
    std::ostringstream out, err;
    const int code = TerminalRecipe({place.Sub("recipe.json"), folder, false},
                                    {files, files, journal, store, facts}, out, err);
    EXPECT_EQ(code, RecipeSomeNotDone);
    EXPECT_EQ(out.str(), "IMG_0412.JPG\t20240714_090327_X100V.JPG\n"
                         "scan.jpg\t\tno date taken\n"
                         "track03.mp3\t\tno date taken\n");
    EXPECT_EQ(err.str(), "");
}

} // namespace
