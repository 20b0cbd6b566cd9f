#pragma once

#include "LexSources.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Exception lines of the word-form strings while they are built: base -> its fields (form1...).
using TFormLines = std::map<std::string, std::vector<std::string>>;

// WordNet's "form base" lines as base -> forms, in file order, the base itself left out.
TFormLines ReadExceptions(std::string_view text);

struct TVerbLines
{
    TFormLines lines;
    std::set<std::string> doubling, britishDoubling; // uppercase keys
};
// Verb lines that give the rules right English: the regular forms first where English uses
// them, the irregular ones as alternatives, the verbs whose past is the base, and the
// hyphenated verbs whose parts inflect on their own.
TVerbLines VerbLines(const TFormLines &exceptions, const TFormSources &sources);

// Noun lines: WordNet's exceptions, the -man compounds, the unchanged and the Greek plurals.
TFormLines NounLines(const TFormLines &exceptions, const TFormSources &sources);

// "base,form1,...\n" lines between line feeds, as the database stores them.
std::string JoinLines(const TFormLines &lines);
bool EndsWith(std::string_view s, std::string_view tail);
