#include "DictionaryWords.h"

#include "TextUtils.h"
#include "WordLevels.h"

#include <hunspell/hunspell.hxx>

#include <filesystem>
#include <stdexcept>

TDictionaryWords::TDictionaryWords() = default;
TDictionaryWords::~TDictionaryWords() = default;

void TDictionaryWords::AddWordList(std::string_view text)
{
    ForEachLine(text, [this](std::string_view line) {
        line = Trim(line);
        if (!line.empty() && !HasUpperAscii(line))
            words_.emplace(line);
    });
}

void TDictionaryWords::AddLemma(std::string_view lemma)
{
    if (lemma.empty() || HasUpperAscii(lemma))
        return;
    words_.emplace(lemma);
    if (lemma.find('_') != std::string_view::npos)
        words_.insert(ReplaceAll(std::string(lemma), '_', '-'));
}

void TDictionaryWords::LoadHunspell(const std::string &basePath)
{
    const std::string aff = basePath + ".aff", dic = basePath + ".dic";
    for (const std::string &file : {aff, dic})
        if (!std::filesystem::is_regular_file(file))
            throw std::runtime_error("cannot read " + file);
    hunspell_ = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
}

bool TDictionaryWords::Lists(std::string_view word) const
{
    if (levels_ && levels_->IsAbbreviation(word))
        return false;
    if (words_.find(word) != words_.end())
        return true;
    if (!hunspell_ || word.find('-') != std::string_view::npos)
        return false;
    // Hunspell's bare entries hold abbreviations and archaisms (jun, hight); its affixed forms
    // of words listed elsewhere are what it adds (midnights, rehired).
    const std::string text(word);
    for (const std::string &stem : hunspell_->stem(text))
        if (stem != text && words_.find(stem) != words_.end())
            return true;
    return false;
}
