// Runs the DICT answer readers over arbitrary server bytes: the end-of-answer scanner must reach
// the same verdict however the bytes are split into chunks, the panel's text is never empty, the
// listings stay parallel and every decoded line keeps one character per byte it could not read
// as UTF-8.
#include "DictProtocol.h"
#include "FuzzCheck.h"

namespace {

using fuzz::Check;
namespace DP = DictProtocol;

void CheckChunked(const QByteArray &bytes, qsizetype split)
{
    TDictResponseEnd whole;
    whole.Feed(bytes);
    TDictResponseEnd chunked;
    chunked.Feed(bytes.left(split));
    chunked.Feed(bytes);
    Check(whole.Complete() == chunked.Complete());
    Check(whole.FinalCode() == chunked.FinalCode() && whole.FinalLine() == chunked.FinalLine());
    Check(whole.TextBlocks() == chunked.TextBlocks());
    if (whole.Complete())
        Check(whole.FinalCode() >= 200 && whole.FinalCode() < 600);
}

void CheckListing(const QByteArray &bytes, const char *code)
{
    const TDictListing listing = DP::ParseListing(bytes, code);
    Check(listing.names.size() == listing.descriptions.size());
    for (const QString &name : listing.names)
        Check(!name.contains(QLatin1Char(' ')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    CheckChunked(bytes, size > 0 ? qsizetype(data[0]) % (bytes.size() + 1) : 0);

    const QString text = DP::FormatResponse(bytes);
    Check(!text.isEmpty());
    QString status;
    const DP::TVerdict verdict = DP::Verdict(bytes, &status);
    Check(status.isEmpty() == (verdict == DP::TVerdict::Incomplete));
    if (verdict == DP::TVerdict::Found)
        Check(text != DP::UnableToConnect());

    CheckListing(bytes, "110");
    CheckListing(bytes, "152");
    for (const QString &word : DP::ParseMatches(bytes))
        Check(!word.isEmpty());

    const QString line = DP::DecodeLine(bytes);
    Check(line.size() <= bytes.size());
    if (!bytes.isEmpty())
        Check((!line.isEmpty() && !line.contains(QChar::ReplacementCharacter)) ||
              bytes.contains("\xef\xbf\xbd"));
    return 0;
}
