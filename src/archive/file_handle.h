#pragma once
// A POSIX file descriptor closed when it goes out of scope; -1 holds nothing.

#include <unistd.h>

namespace velka {

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

}  // namespace velka
