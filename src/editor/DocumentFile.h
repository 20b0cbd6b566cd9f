#pragma once

#include <QByteArray>
#include <QString>

// How a document's bytes are laid out on disk, so a save writes them back the same way.
struct TDocumentFormat
{
    enum class TEncoding
    {
        Utf8,
        Windows1252,
        Latin1
    };
    TEncoding Encoding = TEncoding::Utf8;
    bool CrLf = false;
    bool Bom = false; // a UTF-8 byte-order mark leads the file
};

// Reading and writing a plain-text document. The text in memory separates lines with "\n".
// A file that is not valid UTF-8 is taken as Windows-1252, or as Latin-1 where Windows-1252
// would not give back every byte.
class TDocumentFile
{
public:
    static QString Decode(const QByteArray &bytes, TDocumentFormat &format);
    // A text the file's 8-bit encoding cannot hold switches format to UTF-8 rather than lose
    // characters.
    static QByteArray Encode(const QString &text, TDocumentFormat &format);
    // Both throw std::runtime_error with a message fit for the user.
    static QByteArray ReadBytes(const QString &path);
    static void WriteBytes(const QString &path, const QByteArray &bytes);

private:
    static bool DecodeUtf8(const QByteArray &bytes, QString &text);
    static QString DecodeEightBit(const QByteArray &bytes, TDocumentFormat &format);
};
