#include "engine/names/RenameableName.h"

namespace engine {

bool IsRenameableName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

} // namespace engine
