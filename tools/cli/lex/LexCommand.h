#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// "lex WORD [--rel TYPE]": the word explorer's senses of a word, or its related words, from
// cz.lex in the data folder. Free of Qt: the command line runs it without loading Qt.
class TLexCommand
{
public:
    // dataDir is a path's bytes ending in "/".
    TLexCommand(std::string dataDir, std::ostream &out, std::ostream &err);

    // args in UTF-8. 0 when something was found, 1 when nothing was, 2 on bad usage or a
    // damaged database.
    int Run(const std::vector<std::string> &args);

    // The relation number of a tab name ("Type of", "type-of", "antonyms"); -1 when unknown.
    static int RelationByName(std::string_view name);

private:
    std::string dataDir_;
    std::ostream &out_;
    std::ostream &err_;
};
