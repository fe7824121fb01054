#pragma once

#include <string>

namespace engine {

// Whether a name can be handed to the folder's rename as it stands: not blank, not "." or "..", and
// without "/" or a NUL byte, so that it names an entry of that folder and nothing outside it.
bool IsRenameableName(const std::string& name);

} // namespace engine
