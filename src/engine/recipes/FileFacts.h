#pragma once

// Values read from inside a file (date taken, camera, audio tags) and its modification time. The platform
// layer reads them; the engine only uses them.

#include <bitset>
#include <cstddef>
#include <optional>
#include <string>

namespace engine::recipes {

// A local wall-clock time, as a camera or the file system gives it.
struct WallTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const WallTime&) const = default;
};

enum class Fact { Taken, Camera, Width, Height, Artist, Album, Title, Track, Year, Genre, Modified, Count };
using FactSet = std::bitset<static_cast<std::size_t>(Fact::Count)>;

inline FactSet FactBit(Fact fact) {
    FactSet set;
    set.set(static_cast<std::size_t>(fact));
    return set;
}

// A value that the file does not hold (or that could not be read) is empty.
struct FileFacts {
    std::optional<WallTime> taken;
    std::optional<WallTime> modified;
    std::optional<std::string> camera;
    std::optional<std::string> artist;
    std::optional<std::string> album;
    std::optional<std::string> title;
    std::optional<std::string> genre;
    std::optional<long long> width;
    std::optional<long long> height;
    std::optional<long long> track;
    std::optional<long long> year;
    bool operator==(const FileFacts&) const = default;
};

} // namespace engine::recipes
