#pragma once

#include <map>
#include <string>
#include <vector>

// Where the sources of the word data are and where the three word-list files go.
struct TWordDataPaths
{
    std::string cmu;                      // the npm package's index.js
    std::string wordList;                 // /usr/share/dict/american-english-large
    std::string dictionaryList;           // /usr/share/dict/american-english
    std::string hunspell;                 // /usr/share/hunspell/en_US (.aff and .dic)
    std::vector<std::string> wordNetData; // WordNet's data.noun, data.verb, data.adj, data.adv
    std::string gcide;                    // gcide.dict.dz
    std::string scowl;                    // /usr/share/dict/scowl; empty: lists unranked, no near.dat levels
    std::string outDir;
};

struct TWordDataCounts
{
    std::size_t realWords = 0, properNouns = 0, phrases = 0, rhymeLines = 0;
    std::size_t rdictEntries = 0, roundexEntries = 0, rhymeLineEntries = 0, syllableEntries = 0;
};

// Writes rdict.dat, sdxdict.dat, rpoetry.dat and syllables.dat into outDir; the same sources always
// give the same bytes. Throws std::runtime_error when a source cannot be read or a file written.
TWordDataCounts BuildWordData(const TWordDataPaths &paths);

// Writes entries in key order with the project's word-list writer.
void SaveWordList(const std::map<std::string, std::string, std::less<>> &entries,
                  const std::string &path);
