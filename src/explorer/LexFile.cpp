#include "LexFile.h"

#include "LexError.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TLexFile::~TLexFile()
{
    Close();
}

void TLexFile::Open(const std::string &path)
{
    Close();
    int fd;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    std::string reason;
    if (fd < 0) {
        reason = std::strerror(errno);
    } else if (struct stat st; ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        fd = -1;
        reason = "file to open is a directory";
    }
    if (fd < 0)
        throw ELexError("Cannot open file \"" + path + "\". " + reason);
    fd_ = fd;
}

void TLexFile::Close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::uint64_t TLexFile::Size() const
{
    struct stat st;
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 ? std::uint64_t(st.st_size) : 0;
}

bool TLexFile::ReadAt(std::uint64_t offset, void *buffer, std::size_t length) const
{
    auto *to = static_cast<char *>(buffer);
    while (length > 0) {
        const ssize_t got = ::pread(fd_, to, length, off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        to += got;
        offset += std::uint64_t(got);
        length -= std::size_t(got);
    }
    return true;
}
