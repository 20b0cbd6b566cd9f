#include "DocumentFile.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
using TEncoding = TDocumentFormat::TEncoding;
using TLineEnd = TDocumentFormat::TLineEnd;

const QByteArray Utf8Bom("\xEF\xBB\xBF");
const QByteArray Utf16LeBom("\xFF\xFE");
const QByteArray Utf16BeBom("\xFE\xFF");

[[noreturn]] void Fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

QString SystemReason(int error);

[[noreturn]] void FailSave(const QString &path, int error)
{
    Fail(QObject::tr("Cannot save file \"%1\": %2.").arg(path, SystemReason(error)));
}

QByteArray EncodeEightBit(const QString &text, TEncoding encoding)
{
    if (encoding == TEncoding::Latin1)
        return text.toLatin1();
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

bool HoldsText(const QByteArray &bytes, const QString &text, TEncoding encoding)
{
    if (encoding == TEncoding::Latin1)
        return QString::fromLatin1(bytes) == text;
    QStringDecoder decoder("windows-1252");
    return QString(decoder.decode(bytes)) == text;
}

// Code units as they stand, so that every valid file comes back unchanged.
bool DecodeUtf16(const QByteArray &bytes, bool littleEndian, QString &text)
{
    if (bytes.size() % 2 != 0)
        return false;
    text = QString(bytes.size() / 2, Qt::Uninitialized);
    const uchar *data = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(littleEndian ? qFromLittleEndian<quint16>(data + 2 * i)
                                     : qFromBigEndian<quint16>(data + 2 * i));
    return QStringView(text).isValidUtf16();
}

QByteArray EncodeUtf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? Utf16LeBom : Utf16BeBom;
    const qsizetype start = bytes.size();
    bytes.resize(start + 2 * text.size());
    uchar *data = reinterpret_cast<uchar *>(bytes.data() + start);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (littleEndian)
            qToLittleEndian<quint16>(text.at(i).unicode(), data + 2 * i);
        else
            qToBigEndian<quint16>(text.at(i).unicode(), data + 2 * i);
    }
    return bytes;
}

// NUL marks a binary file; the editor turns the other two into paragraph breaks.
bool EditorKeeps(const QString &text)
{
    return !text.contains(QChar(0)) && !text.contains(QChar(0xFDD0)) &&
           !text.contains(QChar(0xFDD1));
}

int WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return errno;
        done += std::max<ssize_t>(written, 0);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotRegular(const QString &path)
{
    return QObject::tr("\"%1\" is not a regular file.").arg(QFileInfo(path).fileName());
}

// The bytes from the start of an open file, which then ends with them.
int Overwrite(int fd, const QByteArray &bytes)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return errno;
    if (const int error = WriteAll(fd, bytes))
        return error;
    if (::ftruncate(fd, off_t(bytes.size())) != 0)
        return errno;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// The temporary file's owner, group, mode and extended attributes made the old file's; the
// first failure's error number, 0 when all were copied.
int CopyIdentity(int fd, const QByteArray &name, const struct stat &old)
{
    struct stat now = {};
    if (::fstat(fd, &now) != 0)
        return errno;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return errno;
    // After the owner: a change of owner clears the set-id bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        return errno;
    const ssize_t size = ::listxattr(name.constData(), nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP ? 0 : errno;
    QByteArray names(size, '\0');
    const ssize_t got = ::listxattr(name.constData(), names.data(), size_t(names.size()));
    if (got < 0)
        return errno;
    for (const QByteArray &key : names.left(got).split('\0')) {
        if (key.isEmpty())
            continue;
        const ssize_t length = ::getxattr(name.constData(), key.constData(), nullptr, 0);
        QByteArray value(std::max<ssize_t>(length, 0), '\0');
        if (length < 0 ||
            ::getxattr(name.constData(), key.constData(), value.data(), size_t(length)) < 0 ||
            ::fsetxattr(fd, key.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return errno;
    }
    return 0;
}

// A file made beside another, removed with the object unless kept.
struct TTempFile
{
    explicit TTempFile(const QByteArray &beside)
    {
        const qsizetype slash = beside.lastIndexOf('/');
        name = beside.left(slash + 1) + '.' + beside.mid(slash + 1) + ".XXXXXX";
        fd = ::mkstemp(name.data());
        done = fd < 0;
    }
    ~TTempFile() { Remove(); }
    TTempFile(const TTempFile &) = delete;
    TTempFile &operator=(const TTempFile &) = delete;

    int Close() { return fd >= 0 && ::close(std::exchange(fd, -1)) != 0 ? errno : 0; }
    void Remove()
    {
        Close();
        if (!std::exchange(done, true))
            ::unlink(name.constData());
    }
    void Keep()
    {
        Close();
        done = true;
    }

    QByteArray name;
    int fd = -1;
    bool done = false;
};
} // namespace

QString TDocumentFile::LineEndText(TLineEnd end)
{
    switch (end) {
    case TLineEnd::CrLf:
        return QStringLiteral("\r\n");
    case TLineEnd::Cr:
        return QStringLiteral("\r");
    case TLineEnd::ParagraphSeparator:
        return QString(QChar::ParagraphSeparator);
    case TLineEnd::Lf:
        break;
    }
    return QStringLiteral("\n");
}

QString TDocumentFile::Decode(const QByteArray &bytes, TDocumentFormat &format)
{
    format = TDocumentFormat();
    QString raw;
    const bool le = bytes.startsWith(Utf16LeBom);
    if ((le || bytes.startsWith(Utf16BeBom)) && DecodeUtf16(bytes.mid(2), le, raw)) {
        format.Encoding = le ? TEncoding::Utf16LE : TEncoding::Utf16BE;
        format.Bom = true;
    } else {
        format.Bom = bytes.startsWith(Utf8Bom);
        if (!DecodeUtf8(format.Bom ? bytes.mid(Utf8Bom.size()) : bytes, raw)) {
            format.Bom = false;
            raw = DecodeEightBit(bytes, format);
        }
    }
    const QString text = SplitLines(raw, format);
    format.Keepable = EditorKeeps(text);
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
        if (!decoder.hasError() && EncodeEightBit(text, TEncoding::Windows1252) == bytes) {
            format.Encoding = TEncoding::Windows1252;
            return text;
        }
    }
    // Every byte has its own character in Latin-1, so nothing is lost.
    format.Encoding = TEncoding::Latin1;
    return QString::fromLatin1(bytes);
}

// Every line end becomes "\n"; format learns which were where.
QString TDocumentFile::SplitLines(const QString &raw, TDocumentFormat &format)
{
    if (!raw.contains(u'\r') && !raw.contains(QChar::ParagraphSeparator))
        return raw; // all LF, the common case, without a copy
    QString text;
    text.reserve(raw.size());
    std::vector<TLineEnd> ends;
    std::array<qsizetype, 4> counts{};
    qsizetype start = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        TLineEnd end = TLineEnd::Lf;
        if (c == u'\r')
            end = i + 1 < raw.size() && raw.at(i + 1) == u'\n' ? TLineEnd::CrLf : TLineEnd::Cr;
        else if (c == QChar::ParagraphSeparator)
            end = TLineEnd::ParagraphSeparator;
        else if (c != u'\n')
            continue;
        text.append(QStringView(raw).sliced(start, i - start)).append(u'\n');
        i += end == TLineEnd::CrLf ? 1 : 0;
        start = i + 1;
        ends.push_back(end);
        ++counts[std::size_t(end)];
    }
    text.append(QStringView(raw).sliced(start));
    // Ties go to the first in the list, so LF before CR LF.
    const auto most = std::max_element(counts.begin(), counts.end());
    format.LineEnd = TLineEnd(most - counts.begin());
    if (*most != qsizetype(ends.size()))
        format.LineEnds = std::move(ends);
    return text;
}

QString TDocumentFile::JoinLines(const QString &text, const TDocumentFormat &format)
{
    if (format.LineEnds.empty()) {
        if (format.LineEnd == TLineEnd::Lf)
            return text;
        QString raw = text;
        return raw.replace(u'\n', LineEndText(format.LineEnd));
    }
    QString raw;
    raw.reserve(text.size() + qsizetype(format.LineEnds.size()));
    std::size_t line = 0;
    qsizetype start = 0;
    for (qsizetype end = text.indexOf(u'\n'); end >= 0; end = text.indexOf(u'\n', start)) {
        raw.append(QStringView(text).sliced(start, end - start));
        raw.append(
            LineEndText(line < format.LineEnds.size() ? format.LineEnds[line] : format.LineEnd));
        ++line;
        start = end + 1;
    }
    return raw.append(QStringView(text).sliced(start));
}

QByteArray TDocumentFile::Encode(const QString &text, TDocumentFormat &format)
{
    const QString raw = JoinLines(text, format);
    switch (format.Encoding) {
    case TEncoding::Utf16LE:
    case TEncoding::Utf16BE:
        return EncodeUtf16(raw, format.Encoding == TEncoding::Utf16LE);
    case TEncoding::Windows1252:
    case TEncoding::Latin1: {
        const QByteArray bytes = EncodeEightBit(raw, format.Encoding);
        if (HoldsText(bytes, raw, format.Encoding))
            return bytes;
        format.Encoding = TEncoding::Utf8;
        break;
    }
    case TEncoding::Utf8:
        break;
    }
    return (format.Bom ? Utf8Bom : QByteArray()) + raw.toUtf8();
}

QByteArray TDocumentFile::ReadBytes(const QString &path)
{
    const int fd = OpenRegular(path);
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            Fail(QObject::tr("Cannot read file \"%1\": %2.").arg(path, SystemReason(error)));
        }
        bytes.append(buffer, got);
    }
    ::close(fd);
    return bytes;
}

void TDocumentFile::CheckReadable(const QString &path)
{
    ::close(OpenRegular(path));
}

// Opened without waiting, so that a pipe without a writer or a device cannot hang the program;
// only then is it asked what it is.
int TDocumentFile::OpenRegular(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info = {};
    if (fd < 0) {
        const int error = errno;
        // A socket cannot be opened at all.
        if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
            Fail(QObject::tr("Cannot open file \"%1\": %2").arg(path, NotRegular(path)));
        Fail(QObject::tr("Cannot open file \"%1\": %2.").arg(path, SystemReason(error)));
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        Fail(QObject::tr("Cannot open file \"%1\": %2").arg(path, NotRegular(path)));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// A temporary file beside the target takes the bytes and is renamed over it, once it has the
// old file's owner, group, mode and extended attributes (access lists among them). Where it
// cannot have them, or where the file has other names (hard links) that a rename would leave
// behind, the file is written in place instead. Plain system calls rather than QSaveFile, whose
// messages lose the system's reason ("Unknown error").
void TDocumentFile::WriteBytes(const QString &path, const QByteArray &bytes)
{
    // Through a link, the file it names is replaced, not the link.
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : path;
    const QByteArray name = QFile::encodeName(target);
    struct stat old = {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        Fail(QObject::tr("Cannot save file \"%1\": %2").arg(path, NotRegular(path)));
    if (exists && ::access(name.constData(), W_OK) != 0)
        FailSave(path, errno);
    if (exists && old.st_nlink > 1)
        return WriteInPlace(path, name, bytes);
    TTempFile temp(name);
    if (temp.fd < 0)
        FailSave(path, errno);
    if (exists && CopyIdentity(temp.fd, name, old) != 0) {
        temp.Remove();
        return WriteInPlace(path, name, bytes);
    }
    int error = exists || ::fchmod(temp.fd, NewFileMode()) == 0 ? 0 : errno;
    if (!error)
        error = WriteAll(temp.fd, bytes);
    if (!error)
        error = temp.Close();
    if (!error && ::rename(temp.name.constData(), name.constData()) != 0)
        error = errno;
    if (error) {
        temp.Remove();
        FailSave(path, error);
    }
    temp.Keep();
}

// The old bytes go to a backup beside the file first; should the write fail, they are put back,
// and where even that fails the backup stays and the message names it.
void TDocumentFile::WriteInPlace(const QString &path, const QByteArray &name,
                                 const QByteArray &bytes)
{
    const QByteArray old = ReadBytes(path);
    TTempFile backup(name);
    if (backup.fd < 0)
        FailSave(path, errno);
    int error = ::fchmod(backup.fd, S_IRUSR | S_IWUSR) == 0 ? WriteAll(backup.fd, old) : errno;
    if (!error)
        error = backup.Close();
    if (error) {
        backup.Remove();
        FailSave(path, error);
    }
    const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        backup.Remove();
        FailSave(path, error);
    }
    error = Overwrite(fd, bytes);
    const bool restored = !error || Overwrite(fd, old) == 0;
    ::close(fd);
    if (restored)
        backup.Remove();
    else
        backup.Keep();
    if (!error)
        return;
    if (restored)
        FailSave(path, error);
    Fail(QObject::tr("Cannot save file \"%1\": %2. Its previous text is kept in \"%3\".")
             .arg(path, SystemReason(error), QFile::decodeName(backup.name)));
}
