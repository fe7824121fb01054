#pragma once

#include "engine/recipes/FileFacts.h"

#include <map>
#include <string>

// Small but valid media files that tests write themselves, tagged with the same libraries the program
// reads them with.
namespace testmedia {

// Metadata keys (such as "Exif.Photo.DateTimeOriginal" or "Xmp.photoshop.DateCreated") and their text.
using ImageTags = std::map<std::string, std::string>;
// TagLib's property names (such as "ARTIST" or "TRACKNUMBER") and their text.
using AudioTags = std::map<std::string, std::string>;

// An image of width x height pixels in the format of `format` ("JPG", "PNG"), then the tags.
void WriteImage(const std::string& path, const char* format, int width, int height, const ImageTags& tags);
// A TIFF of the given size without pixels, holding the EXIF tags (XMP ones are left out): the layout of an
// EXIF block.
void WriteTiff(const std::string& path, int width, int height, const ImageTags& tags);
// A few frames of silent MPEG-1 Layer III audio, then ID3v2 tags.
void WriteMp3(const std::string& path, const AudioTags& tags);
// A FLAC stream that holds its stream information and no audio, then Vorbis comments.
void WriteFlac(const std::string& path, const AudioTags& tags);

// Sets the file's modification time to the given local wall-clock time.
void SetModified(const std::string& path, const engine::recipes::WallTime& time);

// Keeps the first `size` bytes of the file.
void Truncate(const std::string& path, long size);
// Overwrites `count` bytes from `offset` (counted from the end when negative) with a pattern of bytes no
// format expects there.
void Scribble(const std::string& path, long offset, long count);

} // namespace testmedia
