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

} // namespace platform::metadata
