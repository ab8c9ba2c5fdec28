// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a data file without blocking: open, check it is a regular file, read to its size cap.
#include "files/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) {
            close(fd);
        }
    }
};

DataFile refuse(DataFileError error) {
    DataFile file;
    file.error = error;
    return file;
}

}  // namespace

const char* describeDataFileError(DataFileError error) {
    switch (error) {
        case DataFileError::None:
            return "no error";
        case DataFileError::Missing:
            return "the file is missing";
        case DataFileError::NotRegular:
            return "it is not a regular file";
        case DataFileError::Unreadable:
            return "the file cannot be read";
        case DataFileError::TooLarge:
            return "the file is too large";
    }
    return "unknown error";
}

DataFile readDataFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for good.
    FileDescriptor file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) {
        return refuse(errno == ENOENT || errno == ENOTDIR ? DataFileError::Missing
                      : errno == ENXIO                    ? DataFileError::NotRegular
                                                          : DataFileError::Unreadable);
    }
    struct stat status {};
    if (fstat(file.fd, &status) != 0) {
        return refuse(DataFileError::Unreadable);
    }
    if (!S_ISREG(status.st_mode)) {
        return refuse(DataFileError::NotRegular);
    }
    if (status.st_size < 0 || static_cast<std::uint64_t>(status.st_size) > maxBytes) {
        return refuse(DataFileError::TooLarge);
    }
    // The size is a hint only: the file may change while it is read, so the cap is kept here too.
    DataFile result;
    std::size_t used = 0;
    result.bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
    for (;;) {
        if (used == result.bytes.size()) {
            if (used > maxBytes) {
                return refuse(DataFileError::TooLarge);
            }
            result.bytes.resize(used + 64 * 1024);
        }
        ssize_t got = read(file.fd, result.bytes.data() + used, result.bytes.size() - used);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refuse(DataFileError::Unreadable);
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    if (used > maxBytes) {
        return refuse(DataFileError::TooLarge);
    }
    result.bytes.resize(used);
    return result;
}
