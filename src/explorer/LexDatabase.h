#pragma once

#include "IndexLookup.h"
#include "LexFile.h"
#include "Synset.h"
#include "WordLookup.h"
#include "WordMorpher.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The last 44 bytes of cz.lex.
struct TLexTrailer
{
    static constexpr std::size_t Size = 44;
    std::uint32_t IndexStart = 0;
    std::uint32_t DirectoryStart = 0;
    std::array<std::uint32_t, 9> SectionEnd{};

    // Throws ELexError when the offsets do not fit a file of fileSize bytes.
    static TLexTrailer Parse(const std::uint8_t *bytes, std::uint64_t fileSize);
    std::string Bytes() const;
};

class TAbsLexDatabase
{
public:
    virtual ~TAbsLexDatabase() = default;
    // Reads the trailer and the directory, once per object.
    virtual void Open() = 0;
};

// A cz.lex file: the trailer, the word index with its block cache, the word-form rules and the
// query state of the last lookup. The file is open only between OpenFile and CloseFile.
class TLexDatabase : public TAbsLexDatabase
{
public:
    TLexDatabase();
    ~TLexDatabase() override;

    // The path's bytes as the system takes them.
    void SetFileName(const std::string &name);
    const std::string &FileName() const { return fileName_; }

    // Reference-counted; the first opens the file, the last closes it. Throws ELexError when
    // the file cannot be opened.
    void OpenFile();
    void CloseFile();
    void Open() override;

    // Looks the word up (possessives, derived forms); the result is in Query().
    void Lookup(const std::string &word);
    const std::string &LastWord() const { return lastWord_; }

    void SetTryDerivedForms(bool flag, bool repeat = true);
    void SetMatchForms(bool flag, bool repeat = true);
    bool TryDerivedForms() const { return tryDerivedForms_; }
    bool MatchForms() const { return matchForms_; }

    std::unique_ptr<TSynset> ReadSense(std::uint32_t pointer);
    // The section (part of speech) of a database pointer; throws "Invalid database pointer".
    int SectionOf(std::uint32_t pointer) const;

    TWordLookup &Query() { return query_; }
    const TWordMorpher &Morpher() const { return morpher_; }
    TWordMorpher &Morpher() { return morpher_; }
    TIndexLookup &Index();
    const TLexTrailer &Trailer() const { return trailer_; }

private:
    std::vector<std::uint8_t> ReadAt(std::uint64_t offset, std::uint64_t length);
    void ProcessEntry(const TIndexRec &entry, std::uint16_t mask, int formKind);
    // The index entries with a search key, the one spelled exactly like word first.
    std::vector<TIndexRec> Entries(const std::string &key, const std::string &word);

    std::string fileName_;
    TLexFile file_;
    int openCount_ = 0;
    bool opened_ = false;
    std::uint64_t fileSize_ = 0;
    TLexTrailer trailer_;
    std::unique_ptr<TIndexLookup> index_;
    TWordMorpher morpher_;
    TWordLookup query_;
    std::string lastWord_;
    bool tryDerivedForms_ = true;
    bool matchForms_ = true;
};

// Opens the database file for a scope.
class TLexFileGuard
{
public:
    explicit TLexFileGuard(TLexDatabase &db) : db_(db) { db_.OpenFile(); }
    ~TLexFileGuard() { db_.CloseFile(); }
    TLexFileGuard(const TLexFileGuard &) = delete;
    TLexFileGuard &operator=(const TLexFileGuard &) = delete;

private:
    TLexDatabase &db_;
};
