#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TDataCompressor;

// Relation types of cz.lex; rtSynonyms is not stored as a pointer.
enum TRelationType
{
    rtAntonyms,
    rtAttribs,
    rtCauses,
    rtDerived,
    rtEntails,
    rtParts,
    rtTypeOf,
    rtTypes,
    rtPartOf,
    rtParticiple,
    rtSeeAlso,
    rtSimilar,
    rtSynonyms,
    RelationTypeCount
};
const char *RelationName(int type);

struct TSynsetWord
{
    std::string Word;
    std::uint32_t Flags = 0;
};

struct TSynsetPointer
{
    int Type = 0;
    std::uint32_t Target = 0;
    int SourceWord = 0; // 0: the whole sense
    int TargetWord = 0;
};

// One sense (meaning): its words with usage flags, definition, examples and relations.
class TSynset
{
public:
    static constexpr std::size_t MaxRecordSize = 4096;
    static constexpr int MaxWordNumber = 27;

    std::int64_t Offset = -1;
    int PartOfSpeech = 0;
    std::string Headword;
    std::uint32_t HeadwordFlags = 0;
    std::vector<TSynsetWord> Words;
    std::vector<TSynsetWord> AllWords;
    std::string Gloss;
    std::string ClassLabel;
    std::vector<std::string> Examples;
    std::vector<TSynsetPointer> Pointers;
    int FormKind = 0;

    // Decodes a sense record from its bytes (at most MaxRecordSize are looked at). Throws
    // ELexError for a record that cannot be decoded within them.
    void Read(const std::uint8_t *data, std::size_t size, const TDataCompressor &tokens);
    // Parses "word[^flags];...:[{class}]gloss[LF example]...".
    void ParseText(const std::string &text);
    // Makes word the headword; throws ELexKeyWordError when it is not one of the words.
    void SelectHeadword(const std::string &word);
};

// The stored form of a sense: header code, pointer targets, compressed text. Throws ELexError
// when a pointer type or word number is out of the models' range.
std::string EncodeSenseRecord(const std::vector<TSynsetPointer> &pointers, const std::string &text,
                              const TDataCompressor &tokens);
