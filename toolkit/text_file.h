#pragma once

#include <string>
#include <vector>

// A text file read line by line the classic way: a carriage return ends a
// line and takes a line feed right after it along; any other line feed is part
// of the line; a Ctrl-Z ends the text; reading past the end gives empty lines.
// Every failing step raises EInOutError.
class TTextFile {
public:
    explicit TTextFile(std::string path);
    ~TTextFile();
    TTextFile(const TTextFile &) = delete;
    TTextFile &operator=(const TTextFile &) = delete;

    void Reset(); // opens for reading only
    bool Eof();
    std::string ReadLn();
    void Close();

private:
    bool fill(); // false at the end of the file
    bool atEndOfText();

    std::string path_;
    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool stopped_ = false; // at the end of the file or at a Ctrl-Z
};
