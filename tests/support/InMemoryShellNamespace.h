#pragma once

#include "Gate.h"
#include "platform/shell/ShellNamespace.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace fakes {

// A shell namespace held in memory, for tests of the folder tree. A test builds the namespace node by node
// and scripts the failures the tree has to survive; notifications are delivered by hand with Notify.
//
// Shape: the desktop (node Desktop(), a file-system folder at the path given to the constructor) holds the
// computer (Computer(), virtual), the recycle bin (RecycleBin(), virtual) and the network neighbourhood
// (Network(), virtual). These three are located by GetSpecialFolderLocation only: enumerating the desktop
// lists the desktop's own folders, as the real Linux namespace does. A test adds drives under the computer,
// folders below the desktop or a drive, members under the network neighbourhood and shares below members.
//
// Item lists: every item carries the node's number and a copy of its names and path, taken when the list is
// made. GetPathFromIDList therefore answers from the list alone (also for folders that are gone), while the
// folder operations resolve a list by its node numbers and fail once a node was removed.
//
// Attributes: what the Item says, plus SFGAO_FOLDER always and SFGAO_HASSUBFOLDER while the node has
// children (drives always carry it, as a drive without a medium still shows an expand button). A node
// whose sub-folder question is put off answers SFGAO_ISSLOW instead where the caller allows it, and its
// check, handed out by SubFolderCheck, waits at a gate of the test's before it answers.
class InMemoryShellNamespace final : public platform::ShellNamespace {
public:
    using Node = int;

    // How GetDisplayNameOf answers one name of one node.
    enum class NameAnswer {
        Wstr,              // STRRET_WSTR with the name (the default)
        Offset,            // STRRET_OFFSET into the passed item list (CSTR for the empty list)
        Cstr,              // STRRET_CSTR holding the name
        WstrWithoutString, // STRRET_WSTR without a string
        Fail,              // the call fails: the answer stays all zero
    };

    struct Item {
        std::string name;                // SHGDN_INFOLDER
        std::string normalName;          // SHGDN_NORMAL; the in-folder name when empty
        std::string parsingName;         // SHGDN_FORPARSING; the path when empty
        std::optional<std::string> path; // the file-system path; nullopt makes the item virtual
        std::uint32_t attributes = 0;    // SFGAO_ bits (SFGAO_FILESYSTEM is implied by a path)
        bool hidden = false;             // listed only with SHCONTF_INCLUDEHIDDEN
        int icon = platform::iconFolder;
        int openIcon = platform::iconFolderOpen;
    };

    explicit InMemoryShellNamespace(std::string desktopPath = "/home/tester/Desktop");
    ~InMemoryShellNamespace() override;

    Node Desktop() const { return 0; }
    Node Computer() const { return 1; }
    Node RecycleBin() const { return 2; }
    Node Network() const { return 3; }

    // Building. Children list in the order they were added.
    Node Add(Node parent, Item item);
    // A file-system folder: path = the parent's path + "/" + name; SFGAO_FILESYSTEM | SFGAO_FOLDER plus extra
    // (SFGAO_LINK, SFGAO_SHARE ...).
    Node AddFolder(Node parent, std::string name, std::uint32_t extraAttributes = 0, bool hidden = false);
    // A drive under the computer: named by its label (the mount point when there is none), parsed and
    // located by its mount point.
    Node AddDrive(std::string mountPoint, std::string label = {}, bool removable = false);
    // A member of the network neighbourhood (virtual), parsing name "//" + server.
    Node AddNetworkMember(std::string server);
    // A share below a member: a file-system folder named share at path.
    Node AddShare(Node member, std::string share, std::string path);

    // Changes of the model. Removing takes the node's subtree along; renaming moves the paths of the
    // subtree. Lists handed out before keep the names and paths they were made with.
    void Remove(Node node);
    void Rename(Node node, std::string newName);
    // Replaces one of a node's three names (flags: SHGDN_NORMAL, SHGDN_INFOLDER or SHGDN_FORPARSING).
    void SetName(Node node, std::uint32_t flags, std::string name);
    // A drive without a medium refuses enumeration; inserting it lets the next enumeration through.
    void SetMediumPresent(Node node, bool present);

    // Scripted failures.
    void SetNameAnswer(Node node, std::uint32_t flags, NameAnswer answer);
    void SetDefaultNameAnswer(NameAnswer answer); // for every name without its own answer
    void FailAttributes(Node node, bool fail = true);
    void FailBind(Node node, bool fail = true);
    void FailSpecialFolder(int csidl, bool fail = true);
    void FailRegistration(bool fail = true);
    // The sub-folder question about node is put off; each check handed out for it answers what the model
    // said when it was handed out, once gate is released (or after ten seconds, when the check was run
    // where nothing could release it).
    void PutOffSubFolderCheck(Node node, std::shared_ptr<fakes::Gate> gate);

    // Notifications: each live registration whose events include event (SHCNE_INTERRUPT aside; lost changes,
    // SHCNE_UPDATEDIR, always pass) receives it synchronously, with lists from Malloc(). A path names the
    // live node with that path; a path no node has any more (a removed or renamed folder) gets a list below
    // its deepest live ancestor that resolves only to the path. Only a rename (a newPath, a non-empty second
    // list) carries a second list; otherwise ShellChange::second holds none.
    void Notify(std::uint32_t event, std::string_view path, std::optional<std::string_view> newPath = {});
    void Notify(std::uint32_t event, const platform::IdList& first, const platform::IdList& second = {});
    std::size_t Registrations() const;
    std::uint32_t RegisteredEvents() const; // of the newest registration; 0 without one

    // Inspection.
    platform::IdList AbsoluteList(Node node) const;
    std::optional<Node> FindByPath(std::string_view path) const;
    int Enumerations(Node node) const;    // EnumObjects calls answered with an enumerator
    int SubFolderChecks(Node node) const; // checks handed out by SubFolderCheck
    std::size_t LiveBlocks() const;       // lists of Malloc() not freed yet

    // platform::ShellNamespace
    std::shared_ptr<platform::ShellFolder> GetDesktopFolder() override;
    std::optional<platform::AllocatedIdList> GetSpecialFolderLocation(int csidl) override;
    std::optional<std::string> GetPathFromIDList(const platform::IdList& absolute) override;
    int GetFileInfo(const platform::IdList& list, std::uint32_t flags, std::uint32_t* attributes) override;
    platform::TaskAllocator& Malloc() override;
    std::function<bool()> SubFolderCheck(const platform::IdList& absolute) override;
    bool PathExists(std::string_view path) override;
    std::unique_ptr<platform::ChangeRegistration>
    RegisterChangeNotify(std::uint32_t events,
                         std::function<void(const platform::ShellChange&)> deliver) override;

    class Model; // shared with the folders and registrations it hands out

private:
    std::shared_ptr<Model> model_;
};

} // namespace fakes
