#include "toolkit/io_error.h"

#include <cerrno>

EInOutError::EInOutError(int code, const std::string &message)
    : std::runtime_error(message)
    , ErrorCode(code)
{
}

EInOutError::EInOutError(int code)
    : EInOutError(code, ioErrorMessage(code))
{
}

std::string ioErrorMessage(int code)
{
    switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: return "I/O error " + std::to_string(code);
    }
}

EInOutError EInOutError::fromErrno(int err)
{
    switch (err) {
    case ENOENT: return EInOutError(2);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return EInOutError(3);
    case EMFILE:
    case ENFILE: return EInOutError(4);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return EInOutError(5);
    case ENOSPC:
    case EDQUOT: return EInOutError(101);
    case ENOMEDIUM:
    case ENXIO: return EInOutError(21);
    default: return EInOutError(err, "I/O error " + std::to_string(err));
    }
}

void raiseIoError(int err)
{
    throw EInOutError::fromErrno(err);
}
