// Feeds damaged and random files to the reader of file values: whatever the bytes, it must return
// (values or none), never crash, hang or throw. The first byte picks the file's extension, so that
// TagLib, which chooses a format by the name, and Exiv2, which looks at the content, both see every
// format; the rest is the file.

#include "platform/metadata/LibraryFactsReader.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr std::array<const char*, 16> kExtensions{".jpg", ".png", ".tif",  ".webp", ".cr2", ".nef",
                                                  ".dng", ".orf", ".mp3",  ".flac", ".ogg", ".m4a",
                                                  ".ape", ".wv",  ".opus", ".mpc"};

const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = "/dev/shm/tsw-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    // Registered once the name is made, so that it runs while the name still exists: the run leaves no
    // empty folder in /dev/shm.
    static const int removed = std::atexit([] { rmdir(Folder().c_str()); });
    (void)removed;
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static platform::metadata::LibraryFactsReader reader;
    const std::string path = Folder() + "/file" + kExtensions[data[0] % kExtensions.size()];
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    reader.Read(path, platform::metadata::FactSet().set());
    unlink(path.c_str());
    return 0;
}
