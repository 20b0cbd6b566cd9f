#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Word-list entries as text, one "key TAB value" line each, so that any entry survives the trip
// through a text file: backslash, tab, line feed and carriage return are written \\ \t \n \r.

using TWordListEntries = std::vector<std::pair<std::string, std::string>>;

std::string EscapeTsvField(std::string_view field);
// Unknown escapes are kept as written.
std::string UnescapeTsvField(std::string_view field);

// Blank lines are skipped; throws std::runtime_error naming the line that has no tab.
TWordListEntries ParseTsv(std::string_view text);

// The entries of a word-list file in file order, duplicates included. The bytes must already
// have passed the loader; throws std::runtime_error if they end early all the same.
TWordListEntries DecodeWordList(std::string_view bytes);
