#pragma once

#include "ShellNamespace.h"

#include <memory>
#include <string>

namespace platform {

// The shell namespace of a Linux desktop: the desktop is the XDG desktop folder (the home folder where
// there is none) with its sub-folders, the computer holds the mounted drives, the recycle bin stands for
// the XDG trash, and the network neighbourhood holds the servers of mounted network file systems with
// their shares. Change notification watches the listed folders with inotify and the mount table.
std::unique_ptr<ShellNamespace> CreateLinuxShellNamespace();

// The same with the desktop at desktopPath (for tests and for callers that know better).
std::unique_ptr<ShellNamespace> CreateLinuxShellNamespace(const std::string& desktopPath);

// The desktop folder as the XDG user directories name it, or the home folder when it does not exist.
std::string LocateDesktopFolder();

} // namespace platform
