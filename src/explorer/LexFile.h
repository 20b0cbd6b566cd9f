#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The database file, opened read-only (others may read and write it meanwhile). Reads are
// positional, so a read never depends on where an earlier one stopped.
class TLexFile
{
public:
    TLexFile() = default;
    ~TLexFile();
    TLexFile(const TLexFile &) = delete;
    TLexFile &operator=(const TLexFile &) = delete;

    // Throws ELexError naming the file and the system's reason.
    void Open(const std::string &path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // The current size; 0 when it cannot be told.
    std::uint64_t Size() const;
    // Reads exactly length bytes at offset; false on a short read or an error.
    bool ReadAt(std::uint64_t offset, void *buffer, std::size_t length) const;

private:
    int fd_ = -1;
};
