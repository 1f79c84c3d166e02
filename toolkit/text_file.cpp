#include "toolkit/text_file.h"

#include "toolkit/io_error.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char CtrlZ = 26;
constexpr std::size_t BufferSize = 256 * 1024;
} // namespace

TTextFile::TTextFile(std::string path)
    : path_(std::move(path))
{
}

TTextFile::~TTextFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void TTextFile::Reset()
{
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        raiseIoError(errno);
    fd_ = fd;
    buffer_.resize(BufferSize);
    pos_ = end_ = 0;
    stopped_ = false;
}

bool TTextFile::fill()
{
    if (pos_ < end_)
        return true;
    if (fd_ < 0)
        throw EInOutError(103, "I/O error 103"); // file not open
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.data(), buffer_.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        raiseIoError(errno);
    pos_ = 0;
    end_ = std::size_t(got);
    return got > 0;
}

bool TTextFile::atEndOfText()
{
    if (stopped_)
        return true;
    if (!fill() || buffer_[pos_] == CtrlZ)
        stopped_ = true;
    return stopped_;
}

bool TTextFile::Eof()
{
    return atEndOfText();
}

std::string TTextFile::ReadLn()
{
    std::string line;
    while (!atEndOfText()) {
        const auto first = buffer_.begin() + std::ptrdiff_t(pos_);
        const auto last = buffer_.begin() + std::ptrdiff_t(end_);
        const auto stop = std::find_if(first, last, [](char c) { return c == CarriageReturn || c == CtrlZ; });
        line.append(first, stop);
        pos_ = std::size_t(stop - buffer_.begin());
        if (stop == last)
            continue;
        if (*stop == CtrlZ) {
            stopped_ = true;
            break;
        }
        ++pos_; // the carriage return
        if (fill() && buffer_[pos_] == LineFeed)
            ++pos_;
        break;
    }
    return line;
}

void TTextFile::Close()
{
    if (fd_ < 0)
        return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        raiseIoError(errno);
}
