#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A fault in a word list's contents. The message is the loader's own; LoadFromFile adds the name
// of the file, for the caller to show beside it.
class EWordListError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    const QString &FileName() const { return fileName_; }
    void SetFileName(const QString &fileName) { fileName_ = fileName; }

private:
    QString fileName_;
};

// Raised while decoding the stream: "Stream read error", "Invalid Element Type".
class EStreamError : public EWordListError
{
public:
    using EWordListError::EWordListError;
};

// Raised by a container check: "Class <name>: <reason>".
class EContainerError : public EWordListError
{
public:
    using EWordListError::EWordListError;
};

// Raised when an existing file cannot be opened for reading.
class EFOpenError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A read-only map of 8-bit keys to 8-bit values, loaded once from a word-list file.
// Lookups compare bytes exactly; for a duplicated key the last occurrence wins.
class TDIAnsiStringHash
{
public:
    // The magic and the version are always read and only checked on request; the item size is
    // read (and checked) only with ReadHeader.
    enum LoadOption
    {
        CheckMagic = 1,
        CheckVersion = 2,
        ReadHeader = 4,
        AllChecks = 7
    };

    // Throws EFOpenError, EStreamError or EContainerError; on failure the map is left empty.
    void LoadFromFile(const QString &fileName, int options = AllChecks, int param = 0);
    void LoadFromBytes(std::string_view bytes, int options = AllChecks, int param = 0);

    // The value of key, or an empty view when the key is absent. Valid while the map lives.
    std::string_view Lookup(std::string_view key) const;
    // Convenience for UI code: key and value as UTF-8.
    QString Value(const QString &key) const;

    std::size_t Count() const;
    void Clear();

private:
    // One slot of the open-addressing index: where the key's element starts in the stream
    // (0 = empty; the magic sits there) and the upper hash bits, so that most probes that do
    // not match never touch the stream bytes.
    struct Slot
    {
        std::uint32_t element;
        std::uint32_t hash;
    };

    void ParseArena(int options, int param);
    std::vector<std::uint32_t> ReadEntries(int options);
    void BuildIndex(const std::vector<std::uint32_t> &elements);
    Slot &ProbeFor(std::string_view key, std::uint64_t hash);
    const Slot &ProbeFor(std::string_view key, std::uint64_t hash) const;
    std::string_view ElementAt(std::uint32_t offset) const;

    std::string arena_;       // the stream's bytes; the index points into it
    std::vector<Slot> slots_; // power-of-two sized, at most two thirds full
    std::size_t count_ = 0;   // distinct keys
};

// Writes word-list files in the canonical encoding; used by the data tools and tests.
class TDIWordListWriter
{
public:
    void Add(std::string_view key, std::string_view value);
    std::size_t Count() const;
    std::string Bytes() const;
    // Written atomically; throws std::runtime_error with the reason on failure.
    void SaveToFile(const QString &fileName) const;

    // Canonical element encodings, exposed for tests that build files by hand.
    static void AppendInteger(std::string &out, std::int64_t value);
    static void AppendString(std::string &out, std::string_view text);

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};
