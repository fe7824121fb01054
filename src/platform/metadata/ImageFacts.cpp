#include "platform/metadata/ImageFacts.h"

#include "platform/metadata/FactText.h"

#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>
#include <mutex>

namespace platform::metadata {
namespace {

// The text under the key, when the metadata holds it.
template <class Data, class Key> std::optional<std::string> FirstText(const Data& data, const char* name) {
    auto found = data.findKey(Key(name));
    if (found == data.end())
        return std::nullopt;
    return found->toString();
}

std::optional<WallTime> DateTaken(const Exiv2::Image& image) {
    for (const char* key : {"Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized"}) {
        if (auto text = FirstText<Exiv2::ExifData, Exiv2::ExifKey>(image.exifData(), key))
            if (auto time = ParseMetadataDate(*text))
                return time;
    }
    if (auto text = FirstText<Exiv2::XmpData, Exiv2::XmpKey>(image.xmpData(), "Xmp.photoshop.DateCreated"))
        return ParseMetadataDate(*text);
    return std::nullopt;
}

std::optional<std::string> CameraModel(const Exiv2::Image& image) {
    if (auto text = FirstText<Exiv2::ExifData, Exiv2::ExifKey>(image.exifData(), "Exif.Image.Model"))
        if (auto model = TagText(*text))
            return model;
    if (auto text = FirstText<Exiv2::XmpData, Exiv2::XmpKey>(image.xmpData(), "Xmp.tiff.Model"))
        return TagText(*text);
    return std::nullopt;
}

std::optional<long long> Pixels(int count) {
    if (count <= 0)
        return std::nullopt;
    return count;
}

// The still-image formats that carry a photo's metadata: JPEG, PNG, WebP, TIFF and the raw formats built
// on it (NEF, DNG, ARW, PEF, SRW), and the raw formats Exiv2 reads on their own. Exiv2 also reads video
// containers and a few drawing formats; those stay unread: its video readers can loop for ever on a
// damaged file, and a worker caught in one would never finish the list.
bool IsPhotoFormat(int type) {
    namespace T = Exiv2::ImageType;
    for (int photo : {T::jpeg, T::png, T::webp, T::tiff, T::cr2, T::crw, T::mrw, T::orf, T::raf, T::rw2})
        if (type == photo)
            return true;
    return false;
}

// Exiv2's warnings about damaged files would land on the user's terminal.
void Silent(int, const char*) {}

} // namespace

void PrepareImageLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::LogMsg::setHandler(Silent);
        // The XMP toolkit keeps global state that must be set up before threads share it.
        Exiv2::XmpParser::initialize();
    });
}

void ReadImageFacts(const std::string& path, FactSet wanted, FileFacts& facts) {
    PrepareImageLibrary();
    try {
        // A FileIo of its own: the path is read as a file, never as a URL.
        Exiv2::BasicIo::AutoPtr io(new Exiv2::FileIo(path));
        if (!IsPhotoFormat(Exiv2::ImageFactory::getType(*io)))
            return;
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(io);
        if (image.get() == nullptr)
            return;
        image->readMetadata();
        if (Wants(wanted, Fact::Taken))
            facts.taken = DateTaken(*image);
        if (Wants(wanted, Fact::Camera))
            facts.camera = CameraModel(*image);
        if (Wants(wanted, Fact::Width))
            facts.width = Pixels(image->pixelWidth());
        if (Wants(wanted, Fact::Height))
            facts.height = Pixels(image->pixelHeight());
    } catch (...) {
        // Not an image Exiv2 knows, damaged, unreadable or too large: the values stay missing.
        facts.taken.reset();
        facts.camera.reset();
        facts.width.reset();
        facts.height.reset();
    }
}

} // namespace platform::metadata
