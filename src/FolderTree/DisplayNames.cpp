#include "DisplayNames.h"

#include <algorithm>

std::string ApplyDisplayModeTo(std::string_view name, TDisplayMode mode) {
    std::string caption(name);
    if (mode == dmUppercase) {
        for (char& c : caption)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    } else if (mode == dmLowercase) {
        for (char& c : caption)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
    }
    return caption;
}

namespace {

unsigned char FoldAsciiUpper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// A name the namespace placed into a buffer ends at its first NUL.
std::string UpToNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace

int CompareCaptions(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int diff = int(FoldAsciiUpper(a[i])) - int(FoldAsciiUpper(b[i]));
        if (diff != 0)
            return diff;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string GetDisplayName(const platform::IdList& item, std::uint32_t flags, platform::ShellFolder* folder) {
    if (!folder)
        return {};
    for (;;) {
        const platform::StrRet answer = folder->GetDisplayNameOf(item, flags);
        switch (answer.type) {
        case platform::STRRET_WSTR:
            if (answer.wstr)
                return *answer.wstr;
            // Some folders give no normal name for an item but can still name it for parsing.
            if (flags == platform::SHGDN_NORMAL) {
                flags = platform::SHGDN_FORPARSING;
                continue;
            }
            return {};
        case platform::STRRET_OFFSET: {
            // The offset points into the list that was passed; one beyond its end reads nothing.
            const std::string_view bytes = item.Bytes();
            if (answer.offset >= bytes.size())
                return {};
            return UpToNul(bytes.substr(answer.offset));
        }
        case platform::STRRET_CSTR:
            return UpToNul(answer.cstr);
        default:
            return {};
        }
    }
}

TFilePathList GetFolderNames(const platform::IdList& item, platform::ShellFolder* folder) {
    TFilePathList names;
    names.NormalName = GetDisplayName(item, platform::SHGDN_NORMAL, folder);
    names.ParsingName = GetDisplayName(item, platform::SHGDN_FORPARSING, folder);
    names.InFolderName = GetDisplayName(item, platform::SHGDN_INFOLDER, folder);
    return names;
}
