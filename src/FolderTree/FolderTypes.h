#pragma once

#include "platform/shell/TaskAllocator.h"

#include <cstdint>
#include <initializer_list>
#include <string>

// How captions show the stored names: only the ASCII letters change, every other byte stays as it is.
enum TDisplayMode : std::uint8_t { dmAsis = 0, dmUppercase = 1, dmLowercase = 2 };

// Bit numbers of SFolderOption.
enum TFolderOption : std::uint8_t {
    foNetworkNeighborhood = 0, // show the network neighbourhood under the desktop
    foRecycleBin = 1,          // show the recycle bin under the desktop
    foVirtualFirst = 2,        // forced virtual nodes go first among their siblings instead of last
};

// A set of TFolderOption, kept as the bits of one byte.
class SFolderOption {
public:
    constexpr SFolderOption() = default;
    constexpr SFolderOption(std::initializer_list<TFolderOption> options) {
        for (TFolderOption option : options)
            bits_ |= Bit(option);
    }
    static constexpr SFolderOption FromBits(std::uint8_t bits) {
        SFolderOption result;
        result.bits_ = bits & 0x07;
        return result;
    }

    constexpr bool Contains(TFolderOption option) const { return (bits_ & Bit(option)) != 0; }
    constexpr SFolderOption& Include(TFolderOption option) {
        bits_ |= Bit(option);
        return *this;
    }
    constexpr SFolderOption& Exclude(TFolderOption option) {
        bits_ &= static_cast<std::uint8_t>(~Bit(option));
        return *this;
    }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool operator==(const SFolderOption&) const = default;

private:
    static constexpr std::uint8_t Bit(TFolderOption option) {
        return static_cast<std::uint8_t>(1u << option);
    }
    std::uint8_t bits_ = 0;
};

// The role of a node.
enum TFolderNodeKind : std::uint8_t {
    nkFolder = 0,              // any node added by listing a folder
    nkNetworkNeighborhood = 1, // the network neighbourhood, child of the desktop
    nkRecycleBin = 2,          // the recycle bin, child of the desktop
    nkDrives = 3,              // the computer, child of the desktop, parent of the drives
    nkDesktop = 4,             // the desktop, the only top-level node
    nkNetworkItem = 5,         // a direct child of the network neighbourhood
};

// The special nodes sort before every other node and survive the clearing of their parent.
constexpr bool IsSpecialKind(TFolderNodeKind kind) {
    return kind == nkNetworkNeighborhood || kind == nkRecycleBin || kind == nkDrives;
}

// One special folder of the namespace.
struct TPathInfo {
    std::string Path;        // file-system path, empty for a virtual folder
    std::string DisplayName; // filled by callers that need it
    int ImageIndex = 0;
    int SelectedIndex = 0;
    platform::AllocatedIdList
        IDList; // absolute; given back to the allocator when it goes, or earlier by Free()
};

// The three names of one item.
struct TFilePathList {
    std::string NormalName;
    std::string ParsingName;
    std::string InFolderName;
};
