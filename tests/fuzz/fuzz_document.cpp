// Decodes arbitrary bytes as a verse document and writes the text back. A file whose line ends
// are all of one kind must come back byte for byte, whatever its encoding; any other file must
// at least keep its text through a second round.
#include "DocumentFile.h"

#include <cstdlib>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

bool OneKindOfLineEnd(const QByteArray &bytes)
{
    const qsizetype crlf = bytes.count("\r\n");
    return crlf == 0 || crlf == bytes.count('\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TDocumentFormat format;
    const QString text = TDocumentFile::Decode(bytes, format);
    TDocumentFormat saved = format;
    const QByteArray written = TDocumentFile::Encode(text, saved);
    if (OneKindOfLineEnd(bytes))
        Check(written == bytes);
    TDocumentFormat again;
    Check(TDocumentFile::Decode(written, again) == text);
    return 0;
}
