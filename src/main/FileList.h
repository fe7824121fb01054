#pragma once

#include "engine/BatchRename.h"

#include <QObject>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class FolderLister;
}

// lstFiles: the names of one folder's files in their sorted order. It never shows itself; the grid is
// filled from it whenever a read completes.
class FileList : public QObject {
    Q_OBJECT
public:
    FileList(platform::FolderLister& lister, QObject* parent = nullptr);

    // The folder whose files are held; empty before the first successful read.
    const std::string& Folder() const { return folder_; }
    const std::vector<std::string>& Names() const { return names_; }
    // Which folder the names were read from; nullopt before the first successful read.
    const std::optional<engine::FolderIdentity>& Identity() const { return identity_; }

    // Switches to a folder and reads it. An empty path and the folder already held change nothing.
    void SetFolder(const std::string& folder);
    // Reads the held folder again; nothing when no folder is held.
    void Reread();

signals:
    // Raised after every complete read.
    void Change();

private:
    void Read(const std::string& folder);

    platform::FolderLister& lister_;
    std::string folder_;
    std::vector<std::string> names_;
    std::optional<engine::FolderIdentity> identity_;
};
