#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// How a document's bytes are laid out on disk, so a save writes them back the same way.
struct TDocumentFormat
{
    enum class TEncoding
    {
        Utf8,
        Windows1252,
        Latin1,
        Utf16LE,
        Utf16BE
    };
    // The ways a line may end. In memory every one is "\n".
    enum class TLineEnd : unsigned char
    {
        Lf,
        CrLf,
        Cr,
        ParagraphSeparator // U+2029
    };

    TEncoding Encoding = TEncoding::Utf8;
    bool Bom = false; // a byte-order mark leads the file (always so for UTF-16)
    // The file's most common line end, which new lines take.
    TLineEnd LineEnd = TLineEnd::Lf;
    // Where the file mixes line ends: line n's own; lines past the list take LineEnd.
    std::vector<TLineEnd> LineEnds;
    // False when the editor could not give the text back as read: a binary file (NUL
    // characters), or characters the editor takes for line breaks.
    bool Keepable = true;
};

// Reading and writing a plain-text document; what Decode reads, Encode writes back byte for
// byte. UTF-16 is recognised by its byte-order mark. A file that is not valid UTF-8 is taken as
// Windows-1252, or as Latin-1 where Windows-1252 would not give back every byte.
class TDocumentFile
{
public:
    static QString Decode(const QByteArray &bytes, TDocumentFormat &format);
    // A text the file's 8-bit encoding cannot hold switches format to UTF-8 rather than lose
    // characters.
    static QByteArray Encode(const QString &text, TDocumentFormat &format);
    static QString LineEndText(TDocumentFormat::TLineEnd end);
    // These throw std::runtime_error with a message fit for the user. Only regular files are
    // read or written: a pipe, a device, a socket or a folder is refused without waiting on it.
    // A write keeps the file's owner, group, mode, extended attributes and hard links, and
    // leaves the old file as it was when it fails.
    static QByteArray ReadBytes(const QString &path);
    static void CheckReadable(const QString &path);
    static void WriteBytes(const QString &path, const QByteArray &bytes);

private:
    static int OpenRegular(const QString &path);
    static void WriteInPlace(const QString &path, const QByteArray &name, const QByteArray &bytes);
    static bool DecodeUtf8(const QByteArray &bytes, QString &text);
    static QString DecodeEightBit(const QByteArray &bytes, TDocumentFormat &format);
    static QString SplitLines(const QString &raw, TDocumentFormat &format);
    static QString JoinLines(const QString &text, const TDocumentFormat &format);
};
