#include "platform/metadata/LibraryFactsReader.h"

#include "platform/metadata/AudioFacts.h"
#include "platform/metadata/FactText.h"
#include "platform/metadata/ImageFacts.h"

#include <sys/stat.h>

namespace platform::metadata {

LibraryFactsReader::LibraryFactsReader() {
    PrepareImageLibrary();
    PrepareAudioLibrary();
}

FileFacts LibraryFactsReader::Read(const std::string& path, FactSet wanted) {
    FileFacts facts;
    if (Wants(wanted, Fact::Modified)) {
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0)
            facts.modified = LocalWallTime(status.st_mtim.tv_sec);
    }
    if ((wanted & ImageFactSet()).any())
        ReadImageFacts(path, wanted, facts);
    if ((wanted & AudioFactSet()).any())
        ReadAudioFacts(path, wanted, facts);
    return facts;
}

} // namespace platform::metadata
