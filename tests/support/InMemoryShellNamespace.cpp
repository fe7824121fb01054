#include "InMemoryShellNamespace.h"

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

namespace fakes {

using platform::AllocatedIdList;
using platform::IdList;
using platform::StrRet;

namespace {

// A node number that resolves to nothing: items of lists made for paths the model no longer has.
constexpr std::uint32_t kNoNode = 0xFFFFFFFF;

// Item payload: the node number (4 bytes, little endian), a byte telling whether a path follows, then the
// in-folder, normal and parsing names and the path, each ended by a NUL byte.
struct Payload {
    std::uint32_t node = kNoNode;
    std::string name, normalName, parsingName;
    std::optional<std::string> path;
    std::size_t nameOffset = 0, normalOffset = 0, parsingOffset = 0; // within the payload
};

std::string EncodePayload(std::uint32_t node, const std::string& name, const std::string& normal,
                          const std::string& parsing, const std::optional<std::string>& path) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((node >> shift) & 0xFF));
    bytes.push_back(path ? 1 : 0);
    for (const std::string* text : {&name, &normal, &parsing, path ? &*path : nullptr}) {
        if (text)
            bytes.append(*text);
        bytes.push_back('\0');
    }
    return bytes;
}

std::optional<Payload> DecodePayload(std::string_view bytes) {
    if (bytes.size() < 5)
        return std::nullopt;
    Payload payload;
    payload.node = 0;
    for (int i = 0; i < 4; ++i)
        payload.node |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    const bool hasPath = bytes[4] != 0;
    std::size_t at = 5;
    auto next = [&](std::string& out, std::size_t& offset) {
        const std::size_t end = bytes.find('\0', at);
        if (end == std::string_view::npos)
            return false;
        offset = at;
        out.assign(bytes.substr(at, end - at));
        at = end + 1;
        return true;
    };
    std::string path;
    std::size_t pathOffset = 0;
    if (!next(payload.name, payload.nameOffset) || !next(payload.normalName, payload.normalOffset) ||
        !next(payload.parsingName, payload.parsingOffset) || !next(path, pathOffset))
        return std::nullopt;
    if (hasPath)
        payload.path = std::move(path);
    return payload;
}

bool IsBelow(std::string_view path, std::string_view ancestor) {
    if (ancestor.empty() || path.size() <= ancestor.size() || path.substr(0, ancestor.size()) != ancestor)
        return false;
    return ancestor.back() == '/' || path[ancestor.size()] == '/';
}

std::string JoinPath(const std::string& parent, const std::string& name) {
    if (!parent.empty() && parent.back() == '/')
        return parent + name;
    return parent + "/" + name;
}

} // namespace

class InMemoryShellNamespace::Model : public std::enable_shared_from_this<Model> {
public:
    struct NodeData {
        Item item;
        Node parent = -1;
        std::vector<Node> children;
        bool alive = true;
        bool drive = false;
        bool special = false; // reached by location only, never listed
        bool mediumPresent = true;
        bool failAttributes = false;
        bool failBind = false;
        std::shared_ptr<fakes::Gate> putOff; // the sub-folder question waits here when set
        int enumerations = 0;
        int subFolderChecks = 0;
        std::map<std::uint32_t, NameAnswer> answers;
    };
    struct Registration {
        std::uint32_t events = 0;
        std::function<void(const platform::ShellChange&)> deliver;
    };

    std::vector<NodeData> nodes;
    platform::TaskAllocator allocator;
    NameAnswer defaultAnswer = NameAnswer::Wstr;
    std::vector<int> failedSpecials;
    bool failRegistration = false;
    std::map<int, Registration> registrations;
    int nextRegistration = 1;

    NodeData& At(Node node) {
        if (node < 0 || static_cast<std::size_t>(node) >= nodes.size())
            throw std::out_of_range("no such node in the in-memory namespace");
        return nodes[static_cast<std::size_t>(node)];
    }
    const NodeData& At(Node node) const { return const_cast<Model*>(this)->At(node); }
    bool Alive(Node node) const {
        return node >= 0 && static_cast<std::size_t>(node) < nodes.size() && nodes[node].alive;
    }

    std::string NameOf(Node node, std::uint32_t flags) const {
        const Item& item = At(node).item;
        if (flags == platform::SHGDN_FORPARSING)
            return item.parsingName.empty() && item.path ? *item.path : item.parsingName;
        if (flags == platform::SHGDN_NORMAL && !item.normalName.empty())
            return item.normalName;
        return item.name;
    }

    IdList ItemOf(Node node) const {
        const Item& item = At(node).item;
        return IdList::FromItem(EncodePayload(static_cast<std::uint32_t>(node), item.name,
                                              NameOf(node, platform::SHGDN_NORMAL),
                                              NameOf(node, platform::SHGDN_FORPARSING), item.path));
    }

    IdList Absolute(Node node) const {
        if (node == 0)
            return {};
        return Absolute(At(node).parent) + ItemOf(node);
    }

    // Walks a list relative to from through live children; nullopt when any item does not resolve.
    std::optional<Node> Resolve(Node from, const IdList& list) const {
        Node current = from;
        for (std::string_view bytes : list.Payloads()) {
            const auto payload = DecodePayload(bytes);
            if (!payload || !Alive(current))
                return std::nullopt;
            const auto& children = At(current).children;
            const Node child = static_cast<Node>(payload->node);
            if (payload->node == kNoNode ||
                std::find(children.begin(), children.end(), child) == children.end())
                return std::nullopt;
            current = child;
        }
        return Alive(current) ? std::optional<Node>(current) : std::nullopt;
    }

    std::uint32_t AttributesOf(Node node) const {
        const NodeData& data = At(node);
        std::uint32_t attributes = data.item.attributes | platform::SFGAO_FOLDER;
        if (data.item.path)
            attributes |= platform::SFGAO_FILESYSTEM;
        const bool anyChild =
            std::any_of(data.children.begin(), data.children.end(), [&](Node c) { return Alive(c); });
        if (anyChild || data.drive)
            attributes |= platform::SFGAO_HASSUBFOLDER;
        return attributes;
    }

    std::optional<Node> FindByPath(std::string_view path) const {
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (nodes[i].alive && nodes[i].item.path && *nodes[i].item.path == path)
                return static_cast<Node>(i);
        return std::nullopt;
    }

    // The list of a path: the live node's own, or synthetic items below the deepest live ancestor.
    IdList ListForPath(std::string_view path) const {
        if (const auto node = FindByPath(path))
            return Absolute(*node);
        std::optional<Node> ancestor;
        std::size_t best = 0;
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const auto& candidate = nodes[i].item.path;
            if (nodes[i].alive && candidate && candidate->size() > best && IsBelow(path, *candidate)) {
                ancestor = static_cast<Node>(i);
                best = candidate->size();
            }
        }
        IdList list = ancestor ? Absolute(*ancestor) : IdList();
        std::string current = ancestor ? *At(*ancestor).item.path : std::string();
        std::string_view rest = ancestor ? path.substr(best) : path;
        if (!ancestor)
            return list + IdList::FromItem(EncodePayload(kNoNode, std::string(path), std::string(path),
                                                         std::string(path), std::string(path)));
        while (!rest.empty()) {
            while (!rest.empty() && rest.front() == '/')
                rest.remove_prefix(1);
            const std::size_t cut = std::min(rest.find('/'), rest.size());
            if (cut == 0)
                break;
            const std::string name(rest.substr(0, cut));
            current = JoinPath(current, name);
            list = list + IdList::FromItem(EncodePayload(kNoNode, name, name, current, current));
            rest.remove_prefix(cut);
        }
        return list;
    }

    void Deliver(std::uint32_t event, const IdList& first, const IdList& second) {
        std::vector<int> ids;
        for (const auto& [id, registration] : registrations)
            ids.push_back(id);
        const std::uint32_t code = event & ~platform::SHCNE_INTERRUPT;
        for (int id : ids) {
            const auto found = registrations.find(id); // an earlier delivery may have deregistered it
            if (found == registrations.end())
                continue;
            if (!(found->second.events & code) && code != platform::SHCNE_UPDATEDIR)
                continue;
            auto deliver = found->second.deliver;
            // As the real namespace does, only a rename carries a second list.
            platform::ShellChange change{
                AllocatedIdList(allocator, first),
                second.IsEmpty() ? AllocatedIdList() : AllocatedIdList(allocator, second), event};
            deliver(change);
        }
    }
};

namespace {

using Model = InMemoryShellNamespace::Model;
using Node = InMemoryShellNamespace::Node;

class InMemoryEnum final : public platform::EnumIdList {
public:
    InMemoryEnum(std::shared_ptr<Model> model, std::vector<IdList> items)
        : model_(std::move(model)), items_(std::move(items)) {}
    void Reset() override { next_ = 0; }
    std::optional<AllocatedIdList> Next() override {
        if (next_ >= items_.size())
            return std::nullopt;
        return AllocatedIdList(model_->allocator, items_[next_++]);
    }

private:
    std::shared_ptr<Model> model_;
    std::vector<IdList> items_;
    std::size_t next_ = 0;
};

class InMemoryFolder final : public platform::ShellFolder {
public:
    InMemoryFolder(std::shared_ptr<Model> model, Node node) : model_(std::move(model)), node_(node) {}

    StrRet GetDisplayNameOf(const IdList& item, std::uint32_t flags) override {
        const auto node = model_->Resolve(node_, item);
        if (!node)
            return {};
        const auto& answers = model_->At(*node).answers;
        const auto scripted = answers.find(flags);
        const auto answer = scripted != answers.end() ? scripted->second : model_->defaultAnswer;
        const std::string name = model_->NameOf(*node, flags);
        StrRet result;
        switch (answer) {
        case InMemoryShellNamespace::NameAnswer::Wstr:
            result.wstr = name;
            break;
        case InMemoryShellNamespace::NameAnswer::Offset:
            if (item.IsEmpty()) {
                result.type = platform::STRRET_CSTR;
                result.cstr = name;
            } else {
                // The name the item carries, at its place in the list that was passed.
                const auto items = item.Items();
                const std::size_t lastItem = item.Size() - items.back().size();
                const auto payload = DecodePayload(items.back().substr(2));
                const std::size_t within = flags == platform::SHGDN_FORPARSING ? payload->parsingOffset
                                           : flags == platform::SHGDN_NORMAL   ? payload->normalOffset
                                                                               : payload->nameOffset;
                result.type = platform::STRRET_OFFSET;
                result.offset = static_cast<std::uint32_t>(lastItem + 2 + within);
            }
            break;
        case InMemoryShellNamespace::NameAnswer::Cstr:
            result.type = platform::STRRET_CSTR;
            result.cstr = name;
            break;
        case InMemoryShellNamespace::NameAnswer::WstrWithoutString:
        case InMemoryShellNamespace::NameAnswer::Fail:
            break;
        }
        return result;
    }

    bool GetAttributesOf(const IdList& item, std::uint32_t& mask) override {
        const auto node = model_->Resolve(node_, item);
        if (!node || model_->At(*node).failAttributes)
            return false;
        std::uint32_t attributes = model_->AttributesOf(*node);
        if (model_->At(*node).putOff && (mask & platform::SFGAO_ISSLOW))
            attributes = (attributes & ~platform::SFGAO_HASSUBFOLDER) | platform::SFGAO_ISSLOW;
        mask &= attributes;
        return true;
    }

    std::shared_ptr<platform::ShellFolder> BindToObject(const IdList& item) override {
        const auto node = model_->Resolve(node_, item);
        if (!node || model_->At(*node).failBind)
            return nullptr;
        return std::make_shared<InMemoryFolder>(model_, *node);
    }

    std::unique_ptr<platform::EnumIdList> EnumObjects(std::uint32_t flags) override {
        if (!model_->Alive(node_) || !model_->At(node_).mediumPresent)
            return nullptr;
        auto& data = model_->At(node_);
        ++data.enumerations;
        std::vector<IdList> items;
        if (flags & platform::SHCONTF_FOLDERS)
            for (Node child : data.children) {
                const auto& childData = model_->At(child);
                if (childData.alive && !childData.special &&
                    (!childData.item.hidden || (flags & platform::SHCONTF_INCLUDEHIDDEN)))
                    items.push_back(model_->ItemOf(child));
            }
        return std::make_unique<InMemoryEnum>(model_, std::move(items));
    }

    std::optional<AllocatedIdList> ParseDisplayName(std::string_view name) override {
        if (!model_->Alive(node_))
            return std::nullopt;
        for (Node child : model_->At(node_).children)
            if (model_->Alive(child) && (model_->NameOf(child, platform::SHGDN_FORPARSING) == name ||
                                         model_->At(child).item.name == name))
                return AllocatedIdList(model_->allocator, model_->ItemOf(child));
        return std::nullopt;
    }

private:
    std::shared_ptr<Model> model_;
    Node node_;
};

class InMemoryRegistration final : public platform::ChangeRegistration {
public:
    InMemoryRegistration(std::shared_ptr<Model> model, int id) : model_(std::move(model)), id_(id) {}
    ~InMemoryRegistration() override { model_->registrations.erase(id_); }

private:
    std::shared_ptr<Model> model_;
    int id_;
};

} // namespace

InMemoryShellNamespace::InMemoryShellNamespace(std::string desktopPath) : model_(std::make_shared<Model>()) {
    Model::NodeData desktop;
    desktop.item = Item{"Desktop", "Desktop", desktopPath,           desktopPath,
                        0,         false,     platform::iconDesktop, platform::iconDesktop};
    model_->nodes.push_back(std::move(desktop));
    const Item specials[] = {
        {"Computer", "Computer", "computer:///", std::nullopt, 0, false, platform::iconComputer,
         platform::iconComputer},
        {"Trash", "Trash", "trash:///", std::nullopt, 0, false, platform::iconTrash, platform::iconTrash},
        {"Network", "Network", "network:///", std::nullopt, 0, false, platform::iconNetwork,
         platform::iconNetwork},
    };
    for (const Item& item : specials)
        model_->At(Add(Desktop(), item)).special = true;
}

InMemoryShellNamespace::~InMemoryShellNamespace() = default;

InMemoryShellNamespace::Node InMemoryShellNamespace::Add(Node parent, Item item) {
    model_->At(parent); // throws for a node that does not exist
    if (item.path)
        item.attributes |= platform::SFGAO_FILESYSTEM;
    const Node node = static_cast<Node>(model_->nodes.size());
    Model::NodeData data;
    data.item = std::move(item);
    data.parent = parent;
    model_->nodes.push_back(std::move(data));
    model_->At(parent).children.push_back(node);
    return node;
}

InMemoryShellNamespace::Node InMemoryShellNamespace::AddFolder(Node parent, std::string name,
                                                               std::uint32_t extraAttributes, bool hidden) {
    const auto& parentPath = model_->At(parent).item.path;
    if (!parentPath)
        throw std::invalid_argument("a file-system folder needs a parent with a path");
    Item item;
    item.path = JoinPath(*parentPath, name);
    item.name = std::move(name);
    item.attributes = platform::SFGAO_FILESYSTEM | platform::SFGAO_FOLDER | extraAttributes;
    item.hidden = hidden;
    return Add(parent, std::move(item));
}

InMemoryShellNamespace::Node InMemoryShellNamespace::AddDrive(std::string mountPoint, std::string label,
                                                              bool removable) {
    Item item;
    item.name = label.empty() ? mountPoint : label;
    item.path = mountPoint;
    item.attributes = platform::SFGAO_FILESYSTEM | platform::SFGAO_FOLDER;
    item.icon = item.openIcon = removable ? platform::iconRemovableDrive : platform::iconDrive;
    const Node node = Add(Computer(), std::move(item));
    model_->At(node).drive = true;
    return node;
}

InMemoryShellNamespace::Node InMemoryShellNamespace::AddNetworkMember(std::string server) {
    Item item;
    item.parsingName = "//" + server;
    item.name = std::move(server);
    item.icon = item.openIcon = platform::iconNetwork;
    return Add(Network(), std::move(item));
}

InMemoryShellNamespace::Node InMemoryShellNamespace::AddShare(Node member, std::string share,
                                                              std::string path) {
    Item item;
    item.name = std::move(share);
    item.path = std::move(path);
    item.attributes = platform::SFGAO_FILESYSTEM | platform::SFGAO_FOLDER;
    item.icon = item.openIcon = platform::iconNetworkFolder;
    return Add(member, std::move(item));
}

void InMemoryShellNamespace::Remove(Node node) {
    if (node == Desktop())
        throw std::invalid_argument("the desktop cannot be removed");
    auto& data = model_->At(node);
    data.alive = false;
    for (Node child : data.children)
        Remove(child);
}

void InMemoryShellNamespace::Rename(Node node, std::string newName) {
    auto& data = model_->At(node);
    if (data.item.path) {
        const std::string oldPath = *data.item.path;
        const std::string parentPath = oldPath.substr(0, oldPath.rfind('/') == 0 ? 1 : oldPath.rfind('/'));
        const std::string newPath = JoinPath(parentPath, newName);
        for (auto& other : model_->nodes)
            if (other.item.path && IsBelow(*other.item.path, oldPath))
                other.item.path = newPath + other.item.path->substr(oldPath.size());
        data.item.path = newPath;
    }
    data.item.name = std::move(newName);
}

void InMemoryShellNamespace::SetName(Node node, std::uint32_t flags, std::string name) {
    auto& item = model_->At(node).item;
    (flags == platform::SHGDN_FORPARSING ? item.parsingName
     : flags == platform::SHGDN_NORMAL   ? item.normalName
                                         : item.name) = std::move(name);
}

void InMemoryShellNamespace::SetMediumPresent(Node node, bool present) {
    model_->At(node).mediumPresent = present;
}

void InMemoryShellNamespace::SetNameAnswer(Node node, std::uint32_t flags, NameAnswer answer) {
    model_->At(node).answers[flags] = answer;
}

void InMemoryShellNamespace::SetDefaultNameAnswer(NameAnswer answer) {
    model_->defaultAnswer = answer;
}

void InMemoryShellNamespace::FailAttributes(Node node, bool fail) {
    model_->At(node).failAttributes = fail;
}

void InMemoryShellNamespace::FailBind(Node node, bool fail) {
    model_->At(node).failBind = fail;
}

void InMemoryShellNamespace::PutOffSubFolderCheck(Node node, std::shared_ptr<fakes::Gate> gate) {
    model_->At(node).putOff = std::move(gate);
}

void InMemoryShellNamespace::FailSpecialFolder(int csidl, bool fail) {
    auto& failed = model_->failedSpecials;
    failed.erase(std::remove(failed.begin(), failed.end(), csidl), failed.end());
    if (fail)
        failed.push_back(csidl);
}

void InMemoryShellNamespace::FailRegistration(bool fail) {
    model_->failRegistration = fail;
}

void InMemoryShellNamespace::Notify(std::uint32_t event, std::string_view path,
                                    std::optional<std::string_view> newPath) {
    const IdList first = model_->ListForPath(path);
    const IdList second = newPath ? model_->ListForPath(*newPath) : IdList();
    model_->Deliver(event, first, second);
}

void InMemoryShellNamespace::Notify(std::uint32_t event, const IdList& first, const IdList& second) {
    model_->Deliver(event, first, second);
}

std::size_t InMemoryShellNamespace::Registrations() const {
    return model_->registrations.size();
}

std::uint32_t InMemoryShellNamespace::RegisteredEvents() const {
    return model_->registrations.empty() ? 0 : model_->registrations.rbegin()->second.events;
}

IdList InMemoryShellNamespace::AbsoluteList(Node node) const {
    return model_->Absolute(node);
}

std::optional<InMemoryShellNamespace::Node> InMemoryShellNamespace::FindByPath(std::string_view path) const {
    return model_->FindByPath(path);
}

int InMemoryShellNamespace::Enumerations(Node node) const {
    return model_->At(node).enumerations;
}

int InMemoryShellNamespace::SubFolderChecks(Node node) const {
    return model_->At(node).subFolderChecks;
}

std::size_t InMemoryShellNamespace::LiveBlocks() const {
    return model_->allocator.LiveBlocks();
}

std::shared_ptr<platform::ShellFolder> InMemoryShellNamespace::GetDesktopFolder() {
    return std::make_shared<InMemoryFolder>(model_, Desktop());
}

std::optional<AllocatedIdList> InMemoryShellNamespace::GetSpecialFolderLocation(int csidl) {
    const auto& failed = model_->failedSpecials;
    if (std::find(failed.begin(), failed.end(), csidl) != failed.end())
        return std::nullopt;
    switch (csidl) {
    case platform::CSIDL_DESKTOP:
    case platform::CSIDL_DESKTOPDIRECTORY:
        return AllocatedIdList(model_->allocator, IdList());
    case platform::CSIDL_DRIVES:
        return AllocatedIdList(model_->allocator, model_->Absolute(Computer()));
    case platform::CSIDL_BITBUCKET:
        return AllocatedIdList(model_->allocator, model_->Absolute(RecycleBin()));
    case platform::CSIDL_NETWORK:
        return AllocatedIdList(model_->allocator, model_->Absolute(Network()));
    default:
        return std::nullopt;
    }
}

std::optional<std::string> InMemoryShellNamespace::GetPathFromIDList(const IdList& absolute) {
    if (absolute.IsEmpty())
        return model_->At(Desktop()).item.path;
    const auto payload = DecodePayload(absolute.Payloads().back());
    if (!payload)
        return std::nullopt;
    return payload->path;
}

int InMemoryShellNamespace::GetFileInfo(const IdList& list, std::uint32_t flags, std::uint32_t* attributes) {
    // Answered from the list's last item alone, so that a relative list of a virtual item works as well.
    Node node = Desktop();
    if (!list.IsEmpty()) {
        const auto payload = DecodePayload(list.Payloads().back());
        node = payload && model_->Alive(static_cast<Node>(payload->node)) ? static_cast<Node>(payload->node)
                                                                          : -1;
    }
    if (attributes) {
        const std::uint32_t wanted = (flags & platform::SHGFI_ATTR_SPECIFIED) ? *attributes : ~0u;
        *attributes =
            (flags & platform::SHGFI_ATTRIBUTES) && node >= 0 ? model_->AttributesOf(node) & wanted : 0;
    }
    if (node < 0)
        return (flags & platform::SHGFI_OPENICON) ? platform::iconFolderOpen : platform::iconFolder;
    const Item& item = model_->At(node).item;
    return (flags & platform::SHGFI_OPENICON) ? item.openIcon : item.icon;
}

std::function<bool()> InMemoryShellNamespace::SubFolderCheck(const IdList& absolute) {
    const std::optional<Node> node = model_->Resolve(Desktop(), absolute);
    if (!node)
        return {};
    Model::NodeData& data = model_->At(*node);
    ++data.subFolderChecks;
    const bool answer = (model_->AttributesOf(*node) & platform::SFGAO_HASSUBFOLDER) != 0;
    if (!data.putOff)
        return [answer] { return answer; };
    return [answer, gate = data.putOff] {
        gate->HoldFor(std::chrono::seconds(10));
        return answer;
    };
}

platform::TaskAllocator& InMemoryShellNamespace::Malloc() {
    return model_->allocator;
}

bool InMemoryShellNamespace::PathExists(std::string_view path) {
    return std::any_of(model_->nodes.begin(), model_->nodes.end(), [&](const Model::NodeData& data) {
        return data.alive && data.item.path && (*data.item.path == path || IsBelow(*data.item.path, path));
    });
}

std::unique_ptr<platform::ChangeRegistration>
InMemoryShellNamespace::RegisterChangeNotify(std::uint32_t events,
                                             std::function<void(const platform::ShellChange&)> deliver) {
    if (model_->failRegistration)
        return nullptr;
    const int id = model_->nextRegistration++;
    model_->registrations[id] = {events, std::move(deliver)};
    return std::make_unique<InMemoryRegistration>(model_, id);
}

} // namespace fakes
