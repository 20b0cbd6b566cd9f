// Feeds arbitrary text, as one line of verse, to the syllable counter and the meter over the
// word table the build writes (or a small table of its own when that is not built). Whatever
// the line, the counts agree with each other and the meter has one mark per syllable.
#include "DIAnsiStringHash.h"
#include "FuzzCheck.h"
#include "SyllableTable.h"

#include <QFileInfo>
#include <QString>

#include <cstdint>

namespace {

using fuzz::Check;

const TDIAnsiStringHash &Words()
{
    static const TDIAnsiStringHash words = [] {
        TDIAnsiStringHash loaded;
        const QString built = QStringLiteral(FUZZ_SYLLABLES_FILE);
        if (QFileInfo(built).isFile()) {
            loaded.LoadFromFile(built);
            return loaded;
        }
        TDIWordListWriter writer;
        for (const auto &[word, stress] : {std::pair{"fire", "1#10"},
                                           {"every", "100#10"},
                                           {"table", "10"},
                                           {"don't", "1"},
                                           {"well-known", "11"},
                                           {"created", "010"},
                                           {"temperate", "10#100"}})
            writer.Add(word, stress);
        loaded.LoadFromBytes(writer.Bytes());
        return loaded;
    }();
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const TSyllableTable table(&Words());
    const int count = table.CountLine(line);
    const TLineCounts counts = table.CountsOfLine(line);
    Check(counts.first == count);
    Check(counts.min <= count && count <= counts.max);
    Check(counts.Reaches(counts.min) && counts.Reaches(count) && counts.Reaches(counts.max));
    Check(table.MeterOfLine(line).size() == count);
    if (IsSectionLabel(line))
        Check(count == 0);
    return 0;
}
