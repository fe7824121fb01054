#include "TestMedia.h"

#include <QImage>
#include <ctime>
#include <exiv2/exiv2.hpp>
#include <fcntl.h>
#include <fileref.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <tpropertymap.h>

namespace testmedia {
namespace {

void WriteBytes(const std::string& path, const std::string& bytes) {
    if (!(std::ofstream(path, std::ios::binary) << bytes))
        throw std::runtime_error("cannot write " + path);
}

void TagImage(const std::string& path, const ImageTags& tags) {
    if (tags.empty())
        return;
    Exiv2::XmpParser::initialize(); // registers the XMP namespaces; any number of calls
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(path);
    image->readMetadata();
    for (const auto& [key, text] : tags) {
        if (key.starts_with("Xmp."))
            image->xmpData()[key] = text;
        else
            image->exifData()[key] = text;
    }
    image->writeMetadata();
}

void TagAudio(const std::string& path, const AudioTags& tags) {
    TagLib::FileRef file(path.c_str(), false);
    if (file.isNull())
        throw std::runtime_error("TagLib cannot open " + path);
    TagLib::PropertyMap properties;
    for (const auto& [key, text] : tags)
        properties.insert(key, TagLib::StringList(TagLib::String(text, TagLib::String::UTF8)));
    file.file()->setProperties(properties);
    if (!file.save())
        throw std::runtime_error("TagLib cannot save " + path);
}

} // namespace

void WriteImage(const std::string& path, const char* format, int width, int height, const ImageTags& tags) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    if (!image.save(QString::fromStdString(path), format))
        throw std::runtime_error("cannot save " + path);
    TagImage(path, tags);
}

void WriteTiff(const std::string& path, int width, int height, const ImageTags& tags) {
    // An EXIF block is laid out as a TIFF file: its first directory, with the size, is a TIFF of no strips.
    Exiv2::XmpParser::initialize();
    Exiv2::ExifData exif;
    exif["Exif.Image.ImageWidth"] = static_cast<uint32_t>(width);
    exif["Exif.Image.ImageLength"] = static_cast<uint32_t>(height);
    for (const auto& [key, text] : tags)
        if (key.starts_with("Exif."))
            exif[key] = text;
    Exiv2::Blob blob;
    Exiv2::ExifParser::encode(blob, Exiv2::littleEndian, exif);
    WriteBytes(path, std::string(blob.begin(), blob.end()));
}

void WriteMp3(const std::string& path, const AudioTags& tags) {
    // MPEG-1 Layer III, 128 kbit/s, 44.1 kHz, no padding: 417 bytes a frame; all-zero side information
    // and main data decode as silence.
    const std::string header("\xFF\xFB\x90\x64", 4);
    std::string frames;
    for (int i = 0; i < 8; ++i)
        frames += header + std::string(417 - header.size(), '\0');
    WriteBytes(path, frames);
    TagAudio(path, tags);
}

void WriteFlac(const std::string& path, const AudioTags& tags) {
    // The marker, then the one metadata block every stream has (stream information, 34 bytes, flagged
    // last): blocks of 4096 samples, 44.1 kHz, two channels, 16 bits, length unknown.
    std::string stream("fLaC", 4);
    stream += std::string("\x80\x00\x00\x22", 4);
    stream += std::string("\x10\x00\x10\x00", 4);                 // smallest and largest block
    stream += std::string(6, '\0');                               // smallest and largest frame: unknown
    stream += std::string("\x0A\xC4\x42\xF0\x00\x00\x00\x00", 8); // 44100 Hz, 2 channels, 16 bits, 0 samples
    stream += std::string(16, '\0');                              // MD5 of no audio: not computed
    WriteBytes(path, stream);
    TagAudio(path, tags);
}

void SetModified(const std::string& path, const engine::recipes::WallTime& time) {
    std::tm local{};
    local.tm_year = time.year - 1900;
    local.tm_mon = time.month - 1;
    local.tm_mday = time.day;
    local.tm_hour = time.hour;
    local.tm_min = time.minute;
    local.tm_sec = time.second;
    local.tm_isdst = -1;
    const timespec stamp{std::mktime(&local), 0};
    const timespec stamps[2] = {stamp, stamp};
    if (utimensat(AT_FDCWD, path.c_str(), stamps, 0) != 0)
        throw std::runtime_error("cannot set the time of " + path);
}

void Truncate(const std::string& path, long size) {
    std::filesystem::resize_file(path, size);
}

void Scribble(const std::string& path, long offset, long count) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(offset, offset < 0 ? std::ios::end : std::ios::beg);
    for (long i = 0; i < count; ++i)
        file.put(static_cast<char>(0xA5 ^ (i * 37)));
    if (!file)
        throw std::runtime_error("cannot scribble over " + path);
}

} // namespace testmedia
