#pragma once

#include "WordUtils.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// English word forms driven by the seven word-form strings of the database: inflection, base
// forms, the forms line of a headword and regional spelling.
class TWordMorpher
{
public:
    enum TFormString
    {
        fsNounExceptions,
        fsVerbExceptions,
        fsAdjectiveExceptions,
        fsComparableStems,
        fsDoublingVerbs,
        fsBritishDoublingVerbs,
        fsSpellingVariants,
        FormStringCount
    };
    using TFormStrings = std::array<std::string, FormStringCount>;
    // Where a line of a word-form string starts and how long its key is.
    struct TLineField
    {
        std::uint32_t start, length;
    };

    void SetStrings(TFormStrings strings);
    const TFormStrings &Strings() const { return strings_; }

    bool British = true;
    bool ForcePlural = false;

    // Empty when the word cannot be put into that form.
    std::string Inflect(const std::string &word, int kind) const;
    void InflectList(std::vector<std::string> &list, int kind) const;
    void AllForms(const std::string &word, int pos, std::vector<std::string> &list) const;
    // Appends candidate base forms; returns the list's size and sets kind.
    int BaseForms(const std::string &word, int pos, std::vector<std::string> &list, bool strict,
                  int &kind) const;
    std::string FormsText(const std::string &word, int pos) const;
    std::string ConvertSpelling(std::string_view text, int dialect) const;

    // Whether the uppercase key of word is one of the LF-delimited keys of a list.
    bool InList(TFormString list, std::string_view word) const;
    // The exception line (fields, base first) of word in a part of speech's list; empty if none.
    std::vector<std::string> ExceptionLine(int pos, std::string_view word) const;
    // Appends the base of every exception line of a part of speech's list that holds word as an
    // inflected form; returns the field it was found in (0 when none).
    int ExceptionBases(int pos, const std::string &word, std::vector<std::string> &list) const;

private:
    const std::string *ExceptionList(int pos) const;
    std::string InflectVerb(const std::string &word, int kind) const;
    std::string InflectAdjective(const std::string &word, int kind) const;
    std::string Plural(const std::string &word) const;
    bool IsDoubling(std::string_view word) const;

    TFormStrings strings_;
    // Per list, its lines' keys in sorted order, for binary search.
    std::array<std::vector<TLineField>, FormStringCount> sorted_;
    mutable bool variantsBuilt_ = false;
    mutable std::map<std::string, std::string> variants_;
};
