#pragma once

#include "DataCompressor.h"
#include "LexDatabase.h"

#include <array>
#include <string>
#include <vector>

// Writes a cz.lex file: sense records by part of speech, the word index, the directory with the
// token table and the word-form strings, the notice and the trailer.
class TLexWriter
{
public:
    // Target of a pointer: the id AddSense returned.
    struct TPointer
    {
        int Type;
        int Target;
        int SourceWord;
        int TargetWord;
    };

    int AddSense(int partOfSpeech, std::string text);
    void SetPointers(int sense, std::vector<TPointer> pointers);
    void AddWord(std::string headword, std::string info, std::vector<int> senses);
    void SetFormStrings(std::array<std::string, 7> strings) { forms_ = std::move(strings); }
    void SetTokens(std::vector<std::pair<unsigned char, std::string>> tokens);

    // The whole file. Throws ELexError when something does not fit the format.
    std::string Build() const;

private:
    struct TSense
    {
        int pos;
        std::string text;
        std::vector<TPointer> pointers;
    };
    struct TWord
    {
        std::string headword, info;
        std::vector<int> senses;
    };

    std::vector<TSense> senses_;
    std::vector<TWord> words_;
    std::array<std::string, 7> forms_;
    TDataCompressor tokens_;
};
