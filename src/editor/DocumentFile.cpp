#include "DocumentFile.h"

#include <QFile>
#include <QObject>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <stdexcept>

namespace {
const QByteArray Utf8Bom("\xEF\xBB\xBF");

[[noreturn]] void Fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

QByteArray EncodeEightBit(const QString &text, TDocumentFormat::TEncoding encoding)
{
    if (encoding == TDocumentFormat::TEncoding::Latin1)
        return text.toLatin1();
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

bool HoldsText(const QByteArray &bytes, const QString &text, TDocumentFormat::TEncoding encoding)
{
    if (encoding == TDocumentFormat::TEncoding::Latin1)
        return QString::fromLatin1(bytes) == text;
    QStringDecoder decoder("windows-1252");
    return QString(decoder.decode(bytes)) == text;
}
} // namespace

QString TDocumentFile::Decode(const QByteArray &bytes, TDocumentFormat &format)
{
    format = TDocumentFormat();
    format.CrLf = bytes.contains("\r\n");
    QString text;
    format.Bom = bytes.startsWith(Utf8Bom);
    if (!DecodeUtf8(format.Bom ? bytes.mid(Utf8Bom.size()) : bytes, text)) {
        format.Bom = false;
        text = DecodeEightBit(bytes, format);
    }
    if (format.CrLf)
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

bool TDocumentFile::DecodeUtf8(const QByteArray &bytes, QString &text)
{
    // Our caller has taken off the byte-order mark; a second one is text and must stay.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString TDocumentFile::DecodeEightBit(const QByteArray &bytes, TDocumentFormat &format)
{
    QStringDecoder decoder("windows-1252");
    if (decoder.isValid()) {
        const QString text = decoder.decode(bytes);
        if (!decoder.hasError() &&
            EncodeEightBit(text, TDocumentFormat::TEncoding::Windows1252) == bytes) {
            format.Encoding = TDocumentFormat::TEncoding::Windows1252;
            return text;
        }
    }
    // Every byte has its own character in Latin-1, so nothing is lost.
    format.Encoding = TDocumentFormat::TEncoding::Latin1;
    return QString::fromLatin1(bytes);
}

QByteArray TDocumentFile::Encode(const QString &text, TDocumentFormat &format)
{
    QString lines = text;
    if (format.CrLf)
        lines.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    if (format.Encoding != TDocumentFormat::TEncoding::Utf8) {
        const QByteArray bytes = EncodeEightBit(lines, format.Encoding);
        if (HoldsText(bytes, lines, format.Encoding))
            return bytes;
        format.Encoding = TDocumentFormat::TEncoding::Utf8;
    }
    return (format.Bom ? Utf8Bom : QByteArray()) + lines.toUtf8();
}

QByteArray TDocumentFile::ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QObject::tr("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Fail(QObject::tr("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    return bytes;
}

void TDocumentFile::WriteBytes(const QString &path, const QByteArray &bytes)
{
    // Unbuffered: with a write buffer, Qt 6.4's commit() can rename a cut-short file over the
    // old one when the final flush fails (disk full, file-size limit).
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (ok)
        ok = file.write(bytes) == bytes.size() && file.error() == QFileDevice::NoError;
    const QString reason = file.errorString();
    if (ok && file.commit())
        return;
    file.cancelWriting();
    Fail(QObject::tr("Cannot save file \"%1\". %2").arg(path, ok ? file.errorString() : reason));
}
