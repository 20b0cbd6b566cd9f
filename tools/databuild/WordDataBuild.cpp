#include "WordDataBuild.h"

#include "CmuDictionary.h"
#include "DictionaryWords.h"
#include "GcideQuotes.h"
#include "NearRhymeBuilder.h"
#include "OffensiveWords.h"
#include "RhymeDictionaryBuilder.h"
#include "RhymeLineBuilder.h"
#include "SyllableEntries.h"
#include "TextUtils.h"
#include "WordForms.h"
#include "WordLevels.h"
#include "WordNetLemmas.h"

#include "DIAnsiStringHash.h"

#include <set>

namespace {

// The spellings of the word list and of WordNet, the words the dictionaries list, the words
// WordNet marks offensive; WordNet's multi-word lemmas, as phrases and proper names.
std::set<std::string> ReadWordSources(const TWordDataPaths &paths, TWordForms &forms,
                                      TDictionaryWords &dictionary, TOffensiveWords &offensive)
{
    forms.AddWordList(ReadWholeFile(paths.wordList));
    dictionary.AddWordList(ReadWholeFile(paths.dictionaryList));
    dictionary.LoadHunspell(paths.hunspell);
    std::set<std::string> lemmas;
    for (const std::string &file : paths.wordNetData) {
        const std::string data = ReadWholeFile(file);
        offensive.AddWordNetData(data, WordNetPos(file));
        ForEachWordNetLemma(data, [&](std::string_view lemma) {
            AddLemmaForms(lemma, forms);
            dictionary.AddLemma(lemma);
            if (lemma.find('_') != std::string_view::npos)
                lemmas.emplace(lemma);
        });
    }
    offensive.Finish();
    std::set<std::string> phrases;
    for (const std::string &lemma : lemmas) {
        std::string phrase = PhraseFromLemma(lemma, forms);
        if (phrase.empty())
            phrase = ProperNameFromLemma(lemma);
        if (!phrase.empty())
            phrases.insert(std::move(phrase));
    }
    return phrases;
}

} // namespace

void SaveWordList(const std::map<std::string, std::string, std::less<>> &entries,
                  const std::string &path)
{
    TDIWordListWriter writer;
    for (const auto &[key, value] : entries)
        writer.Add(key, value);
    writer.SaveToFile(QString::fromStdString(path));
}

TWordDataCounts BuildWordData(const TWordDataPaths &paths)
{
    TCmuDictionary cmu;
    cmu.Parse(ReadWholeFile(paths.cmu));
    TWordLevels levels;
    if (!paths.scowl.empty())
        levels.LoadFolder(paths.scowl);
    TWordForms forms;
    TDictionaryWords dictionary;
    dictionary.ExcludeAbbreviations(&levels);
    TOffensiveWords offensive;
    const std::set<std::string> phrases = ReadWordSources(paths, forms, dictionary, offensive);

    TWordDataCounts counts;
    TRhymeDictionaryBuilder rhymes(cmu, forms, dictionary, paths.scowl.empty() ? nullptr : &levels,
                                   &offensive);
    rhymes.AddWords();
    for (const std::string &phrase : phrases)
        rhymes.AddPhrase(phrase);
    const auto rdict = rhymes.RhymeEntries();
    const auto roundex = rhymes.RoundexEntries();
    SaveWordList(rdict, paths.outDir + "/rdict.dat");
    SaveWordList(roundex, paths.outDir + "/sdxdict.dat");
    TNearRhymeBuilder nearRhymes;
    nearRhymes.LoadLevels(paths.scowl);
    SaveWordList(nearRhymes.Entries(rdict), paths.outDir + "/near.dat");
    const auto syllables = SyllableEntries(cmu);
    SaveWordList(syllables, paths.outDir + "/syllables.dat");

    TRhymeLineBuilder lines(cmu, &offensive);
    lines.AddQuotes(ExtractGcideQuotes(ReadDictzip(paths.gcide)));
    const auto poetry = lines.Entries();
    SaveWordList(poetry, paths.outDir + "/rpoetry.dat");

    counts.realWords = rhymes.RealWordCount();
    counts.properNouns = rhymes.ProperNounCount();
    counts.phrases = rhymes.PhraseCount();
    counts.rhymeLines = lines.LineCount();
    counts.rdictEntries = rdict.size();
    counts.roundexEntries = roundex.size();
    counts.rhymeLineEntries = poetry.size();
    counts.syllableEntries = syllables.size();
    return counts;
}
