// Runs the update check's reader of the web server's answer over arbitrary bytes: it must never
// fail, and an answer with LF line ends must be read as the same answer with CR LF ones.
#include "FuzzCheck.h"
#include "UpdateCheckThread.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool newer = TUpdateCheckThread::NamesNewerVersion(bytes);
    if (!bytes.contains('\r')) {
        QByteArray crlf = bytes;
        crlf.replace("\n", "\r\n");
        fuzz::Check(TUpdateCheckThread::NamesNewerVersion(crlf) == newer);
    }
    return 0;
}
