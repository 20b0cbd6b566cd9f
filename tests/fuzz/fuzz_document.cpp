// Decodes arbitrary bytes as a verse document and writes the text back: whatever the encoding
// and however the line ends are mixed, the file must come back byte for byte, and reading it
// again must give the same text.
#include "DocumentFile.h"
#include "FuzzCheck.h"

#include <cstdlib>

using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TDocumentFormat format;
    const QString text = TDocumentFile::Decode(bytes, format);
    TDocumentFormat saved = format;
    const QByteArray written = TDocumentFile::Encode(text, saved);
    Check(written == bytes);
    TDocumentFormat again;
    Check(TDocumentFile::Decode(written, again) == text);
    return 0;
}
