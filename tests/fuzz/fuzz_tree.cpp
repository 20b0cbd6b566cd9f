// Reads arbitrary bytes as a binary node stream and as a text outline in both encodings. Bad
// input may only end in the readers' error; whatever was read must survive a second write and
// read unchanged.
#include "FuzzCheck.h"
#include "MTStream.h"

#include <QBuffer>

#include <cstdlib>

namespace {

using fuzz::Check;

QByteArray Written(const TMTNodes &nodes, int form)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (form == 0)
        WriteNodeStream(nodes, out);
    else
        WriteOutline(nodes, out, form == 1);
    return out.data();
}

// Reads the bytes in one form; false when the reader refused them.
bool Read(TMTNodes &nodes, const QByteArray &bytes, int form)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    try {
        if (form == 0)
            ReadNodeStream(nodes, in);
        else
            ReadOutline(nodes, in, form == 1);
    } catch (const ETreeFormatError &) {
        return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (int form = 0; form < 3; ++form) {
        TMTNodes first;
        Read(first, bytes, form);
        const QByteArray once = Written(first, form);
        TMTNodes second;
        Check(Read(second, once, form));
        Check(second.Count() == first.Count());
        Check(Written(second, form) == once);
    }
    return 0;
}
