// Decodes arbitrary bytes as a word-explorer sense record: a damaged record must give
// ELexError; a decoded one must keep its pointers through a write and a second read.
#include "LexError.h"
#include "LexFuzz.h"
#include "Synset.h"

using lexfuzz::Check;
using lexfuzz::Tokens;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TSynset sense;
    try {
        sense.Read(data, size, Tokens());
    } catch (const ELexError &) {
        return 0;
    }
    for (const TSynsetPointer &p : sense.Pointers)
        Check(p.Type >= 0 && p.Type < 12 && p.SourceWord >= 0 && p.SourceWord <= 27 &&
              p.TargetWord >= 0 && p.TargetWord <= 27 && p.Target <= 0xFFFFFF);
    if (!sense.Headword.empty() || sense.Words.size() != sense.AllWords.size())
        std::abort();
    const std::string again = EncodeSenseRecord(sense.Pointers, "x:y", Tokens());
    TSynset second;
    second.Read(reinterpret_cast<const std::uint8_t *>(again.data()), again.size(), Tokens());
    Check(second.Pointers.size() == sense.Pointers.size());
    for (std::size_t i = 0; i < sense.Pointers.size(); ++i)
        Check(second.Pointers[i].Type == sense.Pointers[i].Type &&
              second.Pointers[i].Target == sense.Pointers[i].Target &&
              second.Pointers[i].SourceWord == sense.Pointers[i].SourceWord &&
              second.Pointers[i].TargetWord == sense.Pointers[i].TargetWord);
    Check(second.Gloss == "y");
    return 0;
}
