#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A folder that cannot be read. what() is the text the window shows to the user; the errno is kept for
// callers that need to tell the causes apart.
class IoError : public std::runtime_error {
public:
    explicit IoError(int error);
    int Errno() const { return errno_; }

private:
    int errno_;
};

// The user-facing text for an errno value: the traditional input/output error wording for the causes a
// user can act on, "I/O error <number>" for any other.
std::string IoErrorText(int error);

// The system's own description of an errno value ("File name too long"), in the program's language where
// it is one of the causes the program's files meet, else in English whatever the locale.
std::string SystemErrorText(int error);

} // namespace platform
