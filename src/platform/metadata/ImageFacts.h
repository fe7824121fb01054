#pragma once

#include "platform/metadata/FileFactsReader.h"

namespace platform::metadata {

// Fills the wanted image facts (date taken, camera, width, height) of facts from the file's image
// metadata, read with Exiv2 (JPEG, TIFF, PNG, WebP and the camera raw formats it knows). A file that is
// no image Exiv2 knows, or that it cannot read, leaves them empty. Never throws.
void ReadImageFacts(const std::string& path, FactSet wanted, FileFacts& facts);

// Makes Exiv2 safe to use from several threads and keeps its warnings off the terminal; called once
// before the first read, any number of times.
void PrepareImageLibrary();

} // namespace platform::metadata
