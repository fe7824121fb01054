#include "IoError.h"

#include "engine/text/EngineText.h"

#include <cerrno>
#include <cstring>

namespace platform {

IoError::IoError(int error) : std::runtime_error(IoErrorText(error)), errno_(error) {}

std::string IoErrorText(int error) {
    switch (error) {
    case ENOENT:
        return ENGINE_TEXT("Files", "File not found");
    case ENOTDIR:
        return ENGINE_TEXT("Files", "Invalid filename");
    case EMFILE:
    case ENFILE:
        return ENGINE_TEXT("Files", "Too many open files");
    case EACCES:
    case EPERM:
        return ENGINE_TEXT("Files", "File access denied");
    case ENOSPC:
        return ENGINE_TEXT("Files", "Disk full");
    default:
        return engine::Fill(ENGINE_TEXT("Files", "I/O error %1"), {std::to_string(error)});
    }
}

namespace {

const char* SystemErrorTemplate(int error) {
    // The causes a rename, a listing or the undo record meets, in the words of the C library's English
    // descriptions (strerrordesc_np), here so that they are translated with the program's other texts.
    switch (error) {
    case EPERM:
        return ENGINE_TEXT_NOOP("Files", "Operation not permitted");
    case ENOENT:
        return ENGINE_TEXT_NOOP("Files", "No such file or directory");
    case EIO:
        return ENGINE_TEXT_NOOP("Files", "Input/output error");
    case ENOMEM:
        return ENGINE_TEXT_NOOP("Files", "Cannot allocate memory");
    case EACCES:
        return ENGINE_TEXT_NOOP("Files", "Permission denied");
    case EBUSY:
        return ENGINE_TEXT_NOOP("Files", "Device or resource busy");
    case EEXIST:
        return ENGINE_TEXT_NOOP("Files", "File exists");
    case EXDEV:
        return ENGINE_TEXT_NOOP("Files", "Invalid cross-device link");
    case ENOTDIR:
        return ENGINE_TEXT_NOOP("Files", "Not a directory");
    case EISDIR:
        return ENGINE_TEXT_NOOP("Files", "Is a directory");
    case EINVAL:
        return ENGINE_TEXT_NOOP("Files", "Invalid argument");
    case EMFILE:
        return ENGINE_TEXT_NOOP("Files", "Too many open files");
    case ETXTBSY:
        return ENGINE_TEXT_NOOP("Files", "Text file busy");
    case ENOSPC:
        return ENGINE_TEXT_NOOP("Files", "No space left on device");
    case EROFS:
        return ENGINE_TEXT_NOOP("Files", "Read-only file system");
    case EMLINK:
        return ENGINE_TEXT_NOOP("Files", "Too many links");
    case ENAMETOOLONG:
        return ENGINE_TEXT_NOOP("Files", "File name too long");
    case ENOTEMPTY:
        return ENGINE_TEXT_NOOP("Files", "Directory not empty");
    case ELOOP:
        return ENGINE_TEXT_NOOP("Files", "Too many levels of symbolic links");
    case EOPNOTSUPP:
        return ENGINE_TEXT_NOOP("Files", "Operation not supported");
    case EDQUOT:
        return ENGINE_TEXT_NOOP("Files", "Disk quota exceeded");
    case ESTALE:
        return ENGINE_TEXT_NOOP("Files", "Stale file handle");
    default:
        return nullptr;
    }
}

} // namespace

std::string SystemErrorText(int error) {
    if (const char* known = SystemErrorTemplate(error))
        return engine::TranslatedText("Files", known);
    // Unlike strerror, the description is neither translated nor kept in a buffer another thread may reuse.
    if (const char* text = ::strerrordesc_np(error))
        return text;
    return engine::Fill(ENGINE_TEXT("Files", "Unknown error %1"), {std::to_string(error)});
}

} // namespace platform
