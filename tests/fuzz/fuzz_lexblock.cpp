// Decodes arbitrary bytes as a word-explorer index block with the program's token table: a
// damaged block must give ELexError; a decoded one must survive a write and a second read.
#include "IndexLookup.h"
#include "LexError.h"
#include "LexFuzz.h"

using lexfuzz::Check;
using lexfuzz::Tokens;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TIndexDiskRec block;
    try {
        block.Decode(data, size, Tokens());
    } catch (const ELexError &) {
        return 0;
    }
    for (const TIndexRec &rec : block.Entries())
        Check(rec.Count >= 1 && rec.Count <= 128 && rec.Pointers.size() == rec.Count);
    if (block.Entries().empty())
        return 0;
    std::string again;
    try {
        again = EncodeIndexBlock(block.Entries(), Tokens());
    } catch (const ELexError &) {
        return 0; // e.g. an empty first headword: not storable, and not what a writer makes
    }
    TIndexDiskRec second;
    second.Decode(reinterpret_cast<const std::uint8_t *>(again.data()), again.size(), Tokens());
    Check(second.Entries().size() == block.Entries().size());
    for (std::size_t i = 0; i < block.Entries().size(); ++i) {
        Check(second.Entries()[i].Headword == block.Entries()[i].Headword);
        Check(second.Entries()[i].Pointers == block.Entries()[i].Pointers);
    }
    return 0;
}
