#pragma once

#include "IdList.h"
#include "TaskAllocator.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Name forms asked of GetDisplayNameOf.
inline constexpr std::uint32_t SHGDN_NORMAL = 0;
inline constexpr std::uint32_t SHGDN_INFOLDER = 1;
inline constexpr std::uint32_t SHGDN_FORPARSING = 0x8000;

// How a name comes back.
inline constexpr std::uint32_t STRRET_WSTR = 0;
inline constexpr std::uint32_t STRRET_OFFSET = 1;
inline constexpr std::uint32_t STRRET_CSTR = 2;

// Attribute bits asked of GetAttributesOf and answered by GetFileInfo.
inline constexpr std::uint32_t SFGAO_HASSUBFOLDER = 0x80000000;
inline constexpr std::uint32_t SFGAO_FILESYSTEM = 0x40000000;
inline constexpr std::uint32_t SFGAO_FOLDER = 0x20000000;
inline constexpr std::uint32_t SFGAO_SHARE = 0x00020000;
inline constexpr std::uint32_t SFGAO_LINK = 0x00010000;
// Asked along with SFGAO_HASSUBFOLDER, it lets the namespace put off a sub-folder question that only
// reading all of a folder's entries could answer (a folder of a million files): the answer then carries
// SFGAO_ISSLOW instead of SFGAO_HASSUBFOLDER, and ShellNamespace::SubFolderCheck hands out the work.
inline constexpr std::uint32_t SFGAO_ISSLOW = 0x00004000;

// Enumeration flags: folders, hidden ones included.
inline constexpr std::uint32_t SHCONTF_FOLDERS = 0x20;
inline constexpr std::uint32_t SHCONTF_INCLUDEHIDDEN = 0x80;

// Special folders.
inline constexpr int CSIDL_DESKTOP = 0x00;
inline constexpr int CSIDL_BITBUCKET = 0x0A;
inline constexpr int CSIDL_DESKTOPDIRECTORY = 0x10;
inline constexpr int CSIDL_DRIVES = 0x11;
inline constexpr int CSIDL_NETWORK = 0x12;

// GetFileInfo flags.
inline constexpr std::uint32_t SHGFI_SMALLICON = 0x1;
inline constexpr std::uint32_t SHGFI_OPENICON = 0x2;
inline constexpr std::uint32_t SHGFI_PIDL = 0x8;
inline constexpr std::uint32_t SHGFI_ATTRIBUTES = 0x800;
// With SHGFI_ATTRIBUTES: the attributes passed in name the bits wanted; otherwise every bit is answered.
inline constexpr std::uint32_t SHGFI_ATTR_SPECIFIED = 0x20000;
inline constexpr std::uint32_t SHGFI_SYSICONINDEX = 0x4000;

// Change events.
inline constexpr std::uint32_t SHCNE_MKDIR = 0x8;
inline constexpr std::uint32_t SHCNE_RMDIR = 0x10;
inline constexpr std::uint32_t SHCNE_MEDIAINSERTED = 0x20;
inline constexpr std::uint32_t SHCNE_MEDIAREMOVED = 0x40;
inline constexpr std::uint32_t SHCNE_RENAMEFOLDER = 0x20000;
// Changes were lost (the kernel's event queue overflowed): every listed folder is to be refreshed.
inline constexpr std::uint32_t SHCNE_UPDATEDIR = 0x1000;
inline constexpr std::uint32_t SHCNE_INTERRUPT = 0x80000000;

// The icons of the tree's image list; GetFileInfo answers one of these as the icon index.
enum IconIndex : int {
    iconFolder = 0,
    iconFolderOpen,
    iconDesktop,
    iconComputer,
    iconDrive,
    iconRemovableDrive,
    iconTrash,
    iconNetwork,
    iconNetworkFolder,
    iconCount
};

// A name as the namespace answers it. A failed call leaves it as it was made: all zero.
struct StrRet {
    std::uint32_t type = STRRET_WSTR;
    std::optional<std::string> wstr; // STRRET_WSTR: the name (UTF-8 bytes); nullopt stands for no string
    std::uint32_t offset = 0;        // STRRET_OFFSET: byte offset of a NUL-terminated name in the item list
    std::string cstr;                // STRRET_CSTR: the name held in the answer itself
};

// Enumerates the children of one folder.
class EnumIdList {
public:
    virtual ~EnumIdList() = default;
    virtual void Reset() = 0;
    // The next child as a one-level list relative to the folder; nullopt when there is none (or it failed).
    virtual std::optional<AllocatedIdList> Next() = 0;
};

// One folder of the namespace; item lists passed to it are relative to it.
class ShellFolder {
public:
    virtual ~ShellFolder() = default;
    virtual StrRet GetDisplayNameOf(const IdList& item, std::uint32_t flags) = 0;
    // True (status 0) with mask reduced to the bits that apply; false when the query failed.
    virtual bool GetAttributesOf(const IdList& item, std::uint32_t& mask) = 0;
    // The item's own folder; nullptr when it cannot be bound.
    virtual std::shared_ptr<ShellFolder> BindToObject(const IdList& item) = 0;
    // nullptr when the folder refuses to be listed (a drive without a medium, a vanished folder).
    // Listing a folder is what makes the namespace watch it for changes while notifications are registered;
    // the watch lasts as long as a folder object that listed it.
    virtual std::unique_ptr<EnumIdList> EnumObjects(std::uint32_t flags) = 0;
    // Parses a drive's name (its mount point path) into its list relative to this folder.
    virtual std::optional<AllocatedIdList> ParseDisplayName(std::string_view name) = 0;
};

// A change notification: the changed item and, for a rename, its new identity, as absolute lists handed
// out by the namespace's allocator; event is one of the SHCNE_ codes, possibly with SHCNE_INTERRUPT.
struct ShellChange {
    AllocatedIdList first;
    AllocatedIdList second;
    std::uint32_t event = 0;
    // More changes of the same burst follow at once: a receiver may gather them and handle them together.
    bool moreFollow = false;
};

// Keeps change notification registered while it lives.
class ChangeRegistration {
public:
    virtual ~ChangeRegistration() = default;
};

class ShellNamespace {
public:
    virtual ~ShellNamespace() = default;

    virtual std::shared_ptr<ShellFolder> GetDesktopFolder() = 0;
    // The absolute list of a special folder; nullopt when it cannot be located.
    virtual std::optional<AllocatedIdList> GetSpecialFolderLocation(int csidl) = 0;
    // The file-system path of an absolute list; nullopt for a virtual item.
    virtual std::optional<std::string> GetPathFromIDList(const IdList& absolute) = 0;
    // The icon index of an item (SHGFI_OPENICON: its open-state icon); with SHGFI_ATTRIBUTES the item's
    // attributes are written to attributes. A list without SHGFI_PIDL semantics is never passed.
    virtual int GetFileInfo(const IdList& list, std::uint32_t flags, std::uint32_t* attributes) = 0;
    virtual TaskAllocator& Malloc() = 0;
    // The sub-folder question that SFGAO_ISSLOW put off, for the folder of an absolute list, as work that
    // may run on any thread and may outlive the namespace; an empty function when the list names no folder.
    virtual std::function<bool()> SubFolderCheck(const IdList& absolute) = 0;
    // True when the path exists (the file-attribute query).
    virtual bool PathExists(std::string_view path) = 0;

    // Registers for the events of the whole namespace; each change reaches deliver on the user-interface
    // thread. nullptr when registration failed.
    virtual std::unique_ptr<ChangeRegistration>
    RegisterChangeNotify(std::uint32_t events, std::function<void(const ShellChange&)> deliver) = 0;
};

} // namespace platform
