#pragma once

#include <stdexcept>
#include <string>

// The input/output error that file and folder steps raise when they fail. It
// carries the program's error code; its message is the one the user reads.
class EInOutError : public std::runtime_error {
public:
    EInOutError(int code, const std::string &message);
    explicit EInOutError(int code);

    // Linux reports errno values; the program speaks the classic code set,
    // where for example every kind of permission failure is 5 "File access
    // denied". An errno outside that table keeps its number and reads
    // "I/O error N", even where N equals a code of the table.
    static EInOutError fromErrno(int err);

    int ErrorCode;
};

// "File not found" and the other fixed messages, "I/O error N" for the rest.
std::string ioErrorMessage(int code);

// Raises the input/output error for the errno of a failed call.
[[noreturn]] void raiseIoError(int err);
