#include "platform/metadata/FileFactsReader.h"

#include <initializer_list>

namespace platform::metadata {
namespace {

FactSet SetOf(std::initializer_list<Fact> facts) {
    FactSet set;
    for (Fact fact : facts)
        set |= engine::recipes::FactBit(fact);
    return set;
}

} // namespace

FactSet ImageFactSet() {
    return SetOf({Fact::Taken, Fact::Camera, Fact::Width, Fact::Height});
}

FactSet AudioFactSet() {
    return SetOf({Fact::Artist, Fact::Album, Fact::Title, Fact::Track, Fact::Year, Fact::Genre});
}

template <class T> void Take(const T& from, T& to) {
    to = from;
}

void CopyFacts(const FileFacts& from, FactSet which, FileFacts& to) {
    for (std::size_t i = 0; i < which.size(); ++i) {
        if (!which.test(i))
            continue;
        switch (static_cast<Fact>(i)) {
        case Fact::Taken:
            Take(from.taken, to.taken);
            break;
        case Fact::Camera:
            Take(from.camera, to.camera);
            break;
        case Fact::Width:
            Take(from.width, to.width);
            break;
        case Fact::Height:
            Take(from.height, to.height);
            break;
        case Fact::Artist:
            Take(from.artist, to.artist);
            break;
        case Fact::Album:
            Take(from.album, to.album);
            break;
        case Fact::Title:
            Take(from.title, to.title);
            break;
        case Fact::Track:
            Take(from.track, to.track);
            break;
        case Fact::Year:
            Take(from.year, to.year);
            break;
        case Fact::Genre:
            Take(from.genre, to.genre);
            break;
        case Fact::Modified:
            Take(from.modified, to.modified);
            break;
        case Fact::Count:
            break;
        }
    }
}

} // namespace platform::metadata
