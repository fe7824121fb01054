#include "FileList.h"

#include "ControlNames.h"
#include "platform/files/FolderLister.h"

FileList::FileList(platform::FolderLister& lister, QObject* parent) : QObject(parent), lister_(lister) {
    setObjectName(QLatin1String(names::lstFiles));
}

void FileList::SetFolder(const std::string& folder) {
    // Linux names compare exactly, so only the very same path is the folder already held.
    if (folder.empty() || folder == folder_)
        return;
    Read(folder);
}

void FileList::Reread() {
    if (!folder_.empty())
        Read(folder_);
}

void FileList::Read(const std::string& folder) {
    // The listing throws before anything here changes, so a folder that cannot be read leaves the list,
    // and the grid filled from it, as they were.
    engine::FolderIdentity identity;
    std::vector<std::string> names = lister_.ListFiles(folder, identity);
    folder_ = folder;
    names_ = std::move(names);
    identity_ = identity;
    emit Change();
}
