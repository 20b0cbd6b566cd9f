// tolvane-databuild: writes the word-list files of the application folder from the CMU
// Pronouncing Dictionary, word lists, Hunspell's dictionary, WordNet and GCIDE.
#include "WordDataBuild.h"

#include <iostream>

namespace {

int Usage()
{
    std::cerr
        << "usage: tolvane-databuild --cmu INDEX_JS --words WORDLIST --dictionary WORDLIST"
           " --hunspell AFF_DIC_BASE --wordnet DIR --gcide GCIDE_DICT_DZ [--scowl DIR] --out DIR\n";
    return 2;
}

bool ParseArguments(int argc, char **argv, TWordDataPaths &paths)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--cmu")
            paths.cmu = value;
        else if (option == "--words")
            paths.wordList = value;
        else if (option == "--dictionary")
            paths.dictionaryList = value;
        else if (option == "--hunspell")
            paths.hunspell = value;
        else if (option == "--wordnet")
            for (const char *pos : {"noun", "verb", "adj", "adv"})
                paths.wordNetData.push_back(value + "/data." + pos);
        else if (option == "--gcide")
            paths.gcide = value;
        else if (option == "--scowl")
            paths.scowl = value;
        else if (option == "--out")
            paths.outDir = value;
        else
            return false;
    }
    return argc % 2 == 1 && !paths.cmu.empty() && !paths.wordList.empty() &&
           !paths.dictionaryList.empty() && !paths.hunspell.empty() && !paths.wordNetData.empty() &&
           !paths.gcide.empty() && !paths.scowl.empty() && !paths.outDir.empty();
}

} // namespace

int main(int argc, char **argv)
{
    TWordDataPaths paths;
    if (!ParseArguments(argc, argv, paths))
        return Usage();
    try {
        const TWordDataCounts c = BuildWordData(paths);
        std::cout << "word data: " << c.realWords << " words, " << c.properNouns
                  << " proper nouns, " << c.phrases << " phrases, " << c.rhymeLines
                  << " rhyme lines (rdict " << c.rdictEntries << ", sdxdict " << c.roundexEntries
                  << ", rpoetry " << c.rhymeLineEntries << ", syllables " << c.syllableEntries
                  << " entries)\n";
    } catch (const std::exception &e) {
        std::cerr << "tolvane-databuild: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
