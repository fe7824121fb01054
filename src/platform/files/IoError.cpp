#include "IoError.h"

#include <cerrno>
#include <cstring>

namespace platform {

IoError::IoError(int error) : std::runtime_error(IoErrorText(error)), errno_(error) {}

std::string IoErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
        return "File access denied";
    case ENOSPC:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(error);
    }
}

std::string SystemErrorText(int error) {
    // Unlike strerror, the description is neither translated nor kept in a buffer another thread may reuse.
    if (const char* text = ::strerrordesc_np(error))
        return text;
    return "Unknown error " + std::to_string(error);
}

} // namespace platform
