// Writes the seed files of the metadata fuzz target: one small valid, tagged file of each format the
// tests can write, each behind the byte that picks its extension in the target.

#include "TestMedia.h"

#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void Seed(const std::filesystem::path& folder, const std::string& name, char selector,
          void (*write)(const std::string&)) {
    const std::string scratch = (folder / ("scratch-" + name)).string();
    write(scratch);
    std::ifstream in(scratch, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::ofstream(folder / name, std::ios::binary) << selector << bytes;
    std::filesystem::remove(scratch);
}

const testmedia::ImageTags kPhoto{{"Exif.Photo.DateTimeOriginal", "2024:07:14 09:03:27"},
                                  {"Exif.Image.Model", "X100V"},
                                  {"Xmp.photoshop.DateCreated", "2024-07-14T09:03:27"}};
const testmedia::AudioTags kSong{{"ARTIST", "Nina Simone"}, {"TITLE", "Sinnerman"},
                                 {"TRACKNUMBER", "3/10"},   {"DATE", "1965"},
                                 {"GENRE", "Jazz"},         {"ALBUM", "Pastel Blues"}};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    // The selectors are the extensions' places in the fuzz target's list.
    Seed(folder, "photo.jpg", 0, [](const std::string& p) { testmedia::WriteImage(p, "JPG", 8, 8, kPhoto); });
    Seed(folder, "photo.png", 1, [](const std::string& p) { testmedia::WriteImage(p, "PNG", 8, 8, kPhoto); });
    Seed(folder, "photo.tif", 2, [](const std::string& p) { testmedia::WriteTiff(p, 8, 8, kPhoto); });
    Seed(folder, "song.mp3", 8, [](const std::string& p) { testmedia::WriteMp3(p, kSong); });
    Seed(folder, "song.flac", 9, [](const std::string& p) { testmedia::WriteFlac(p, kSong); });
    return 0;
}
