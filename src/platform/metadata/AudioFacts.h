#pragma once

#include "platform/metadata/FileFactsReader.h"

namespace platform::metadata {

// Fills the wanted audio facts (artist, album, title, track, year, genre) of facts from the file's tags,
// read with TagLib (ID3v1 and ID3v2, Vorbis comments, MP4, APE and the other tags it knows). The audio
// stream itself is not read. A file TagLib cannot open leaves them empty. Never throws.
void ReadAudioFacts(const std::string& path, FactSet wanted, FileFacts& facts);

// Keeps TagLib's messages about damaged files off the terminal; any number of calls.
void PrepareAudioLibrary();

} // namespace platform::metadata
