#pragma once

#include "LinuxShellState.h"
#include "ShellItems.h"

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The names, attributes and icon of one place of the Linux namespace.
std::string ItemName(const LinuxShellState& state, const ShellLocation& location, std::uint32_t flags);
// The attribute bits of mask that apply; the sub-folder question is asked of the disk only when in mask,
// and with SFGAO_ISSLOW in mask too, a folder too large for a quick look answers SFGAO_ISSLOW instead.
std::uint32_t ItemAttributes(const ShellLocation& location, std::uint32_t mask);
int ItemIcon(const ShellLocation& location, bool open);

// The label of the volume on device source, as /dev/disk/by-label (labelFolder) names it.
std::optional<std::string> VolumeLabel(const std::string& source, const std::string& labelFolder);
// udev writes unsafe bytes of a label as \xHH.
std::string DecodeLabel(std::string_view name);

} // namespace platform
