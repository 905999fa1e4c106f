// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

// An open file descriptor, closed when reading ends, however it ends.
class OpenFile {
  public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() { ::close(fd_); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};
