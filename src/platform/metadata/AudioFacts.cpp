#include "platform/metadata/AudioFacts.h"

#include "platform/metadata/FactText.h"

#include <fileref.h>
#include <mutex>
#include <tdebuglistener.h>
#include <tpropertymap.h>

namespace platform::metadata {
namespace {

class SilentListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

// The first value of a tag; a tag may hold several (two artists), and joining them would invent a
// separator the user did not write.
std::optional<std::string> FirstValue(const TagLib::PropertyMap& tags, const char* key) {
    auto found = tags.find(key);
    if (found == tags.end() || found->second.isEmpty())
        return std::nullopt;
    return TagText(found->second.front().to8Bit(true));
}

std::optional<long long> FirstNumber(const TagLib::PropertyMap& tags, const char* key) {
    auto text = FirstValue(tags, key);
    return text ? LeadingNumber(*text) : std::nullopt;
}

} // namespace

void PrepareAudioLibrary() {
    static std::once_flag once;
    static SilentListener listener;
    std::call_once(once, [] { TagLib::setDebugListener(&listener); });
}

void ReadAudioFacts(const std::string& path, FactSet wanted, FileFacts& facts) {
    PrepareAudioLibrary();
    try {
        TagLib::FileRef file(path.c_str(), false);
        if (file.isNull() || !file.file()->isValid())
            return;
        const TagLib::PropertyMap tags = file.file()->properties();
        if (Wants(wanted, Fact::Artist))
            facts.artist = FirstValue(tags, "ARTIST");
        if (Wants(wanted, Fact::Album))
            facts.album = FirstValue(tags, "ALBUM");
        if (Wants(wanted, Fact::Title))
            facts.title = FirstValue(tags, "TITLE");
        if (Wants(wanted, Fact::Genre))
            facts.genre = FirstValue(tags, "GENRE");
        if (Wants(wanted, Fact::Track))
            facts.track = FirstNumber(tags, "TRACKNUMBER");
        if (Wants(wanted, Fact::Year))
            facts.year = FirstNumber(tags, "DATE");
    } catch (...) {
        // TagLib reports damage by return values; an exception here is a failed allocation.
        facts.artist.reset();
        facts.album.reset();
        facts.title.reset();
        facts.genre.reset();
        facts.track.reset();
        facts.year.reset();
    }
}

} // namespace platform::metadata
