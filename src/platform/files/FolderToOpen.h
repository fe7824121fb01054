#pragma once

#include <string>

// The folder a path handed to the program opens, on the command line or dropped onto the window: a
// relative path counts from the current folder, a path to a file (or to anything else that is not a
// folder) opens the folder it lies in, and a path that does not exist is kept, so that the tree selects
// its deepest existing folder, as it does for the remembered one. Empty for an empty path.
std::string FolderToOpen(const std::string& path, const std::string& currentFolder);
