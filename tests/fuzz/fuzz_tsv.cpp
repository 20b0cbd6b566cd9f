// Feeds arbitrary text to the word-list text parser of tolvane-cli. A parse either throws the
// parser's own error or yields entries whose fields survive an escape and unescape unchanged,
// and whose text form parses back to the same entries.
#include "FuzzCheck.h"
#include "WordListTsv.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

using fuzz::Check;

std::string Format(const TWordListEntries &entries)
{
    std::string text;
    for (const auto &[key, value] : entries)
        text += EscapeTsvField(key) + '\t' + EscapeTsvField(value) + '\n';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    TWordListEntries entries;
    try {
        entries = ParseTsv(text);
    } catch (const std::runtime_error &) {
        return 0;
    }
    for (const auto &[key, value] : entries) {
        Check(UnescapeTsvField(EscapeTsvField(key)) == key);
        Check(UnescapeTsvField(EscapeTsvField(value)) == value);
    }
    const std::string formatted = Format(entries);
    TWordListEntries again;
    try {
        again = ParseTsv(formatted);
    } catch (const std::runtime_error &) {
        // An empty key is written as a line that begins with the tab; anything else must parse.
        Check(false);
    }
    Check(again == entries);
    return 0;
}
