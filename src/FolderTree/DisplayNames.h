#pragma once

#include "FolderTypes.h"
#include "platform/shell/ShellNamespace.h"

#include <string>
#include <string_view>

// The caption of a stored name under a display mode.
std::string ApplyDisplayModeTo(std::string_view name, TDisplayMode mode);

// Orders two captions byte by byte with a-z folded to A-Z (no other folding, no locale): negative, zero or
// positive. The display mode does not change the result, so stored names can be compared directly.
int CompareCaptions(std::string_view a, std::string_view b);

// One name of an item of folder, decoded from whichever form the namespace answers in. A failed query, or a
// normal name answered without a string, is asked once more as a parsing name; anything else that cannot be
// read gives an empty name.
std::string GetDisplayName(const platform::IdList& item, std::uint32_t flags, platform::ShellFolder* folder);

// Normal, parsing and in-folder name of an item of folder, asked in that order.
TFilePathList GetFolderNames(const platform::IdList& item, platform::ShellFolder* folder);
