#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <limits>
#include <optional>
#include <stdexcept>

// The file is treated as bytes throughout. A line is the text up to "\n" (a "\r" before it belongs
// to the line ending); a line whose first non-blank byte is "[" and which holds a "]" is a section
// header; a line inside a section whose first non-blank byte is not ";" and which holds a "=" with
// a non-empty name before it is an entry. Every other line is kept as it stands and never read.
// Writes change only the bytes of the one line they touch (or insert whole lines), so everything
// else in the file, including bytes that are not valid UTF-8, survives byte for byte.

namespace {

constexpr qsizetype MaxValueBytes = 2047;     // GetPrivateProfileString's 2048-byte buffer
constexpr qsizetype SectionKeyBudget = 16384; // TIniFile.ReadSection's buffer

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IsBlank(QChar c)
{
    return c.unicode() < 0x80 && IsBlank(char(c.unicode()));
}

struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0; // exclusive
    qsizetype size() const { return end - begin; }
};

Span Trim(const QByteArray &bytes, Span s)
{
    while (s.begin < s.end && IsBlank(bytes[s.begin]))
        ++s.begin;
    while (s.end > s.begin && IsBlank(bytes[s.end - 1]))
        --s.end;
    return s;
}

struct Line
{
    enum Kind
    {
        Other,
        Header,
        Entry
    };
    Kind kind = Other;
    qsizetype start = 0;      // first byte of the line
    qsizetype contentEnd = 0; // end of the line's text, before "\r\n" or "\n"
    qsizetype next = 0;       // first byte of the next line (== size at the end)
    Span name;                // section name (Header) or key (Entry), trimmed
    Span value;               // Entry: value, trimmed
    qsizetype valueStart = 0; // Entry: first byte after "="
};

// Scans the file line by line.
class LineReader
{
public:
    // A UTF-8 byte-order mark at the start belongs to no line: it is skipped and never removed.
    explicit LineReader(const QByteArray &bytes) : b_(bytes)
    {
        if (bytes.startsWith("\xef\xbb\xbf"))
            pos_ = 3;
    }

    bool Next(Line &line)
    {
        const qsizetype size = b_.size();
        if (pos_ >= size)
            return false;
        line = Line();
        line.start = pos_;
        const qsizetype nl = b_.indexOf('\n', pos_);
        if (nl < 0) {
            line.next = size;
            line.contentEnd = size;
        } else {
            line.next = nl + 1;
            line.contentEnd = nl;
        }
        if (line.contentEnd > line.start && b_[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        pos_ = line.next;

        const Span text = Trim(b_, {line.start, line.contentEnd});
        if (text.size() == 0)
            return true;
        const char first = b_[text.begin];
        if (first == '[') {
            qsizetype close = -1;
            for (qsizetype i = text.end - 1; i > text.begin; --i)
                if (b_[i] == ']') {
                    close = i;
                    break;
                }
            if (close > 0) {
                line.kind = Line::Header;
                line.name = Trim(b_, {text.begin + 1, close});
            }
            return true;
        }
        if (first == ';')
            return true;
        qsizetype eq = -1;
        for (qsizetype i = text.begin; i < text.end; ++i)
            if (b_[i] == '=') {
                eq = i;
                break;
            }
        if (eq < 0)
            return true;
        const Span key = Trim(b_, {text.begin, eq});
        if (key.size() == 0)
            return true;
        line.kind = Line::Entry;
        line.name = key;
        line.valueStart = eq + 1;
        line.value = Trim(b_, {eq + 1, text.end});
        return true;
    }

private:
    const QByteArray &b_;
    qsizetype pos_ = 0;
};

bool IsAscii(const char *p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    return true;
}

bool IsValidUtf8(const char *p, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(p[i]);
        int extra;
        unsigned int cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n)
                return false;
            const unsigned char cc = static_cast<unsigned char>(p[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
}

// A name the caller asks for, prepared once for many comparisons with names in the file.
class Name
{
public:
    explicit Name(const QString &name)
    {
        // Trimmed as the line reader trims the names in the file.
        qsizetype begin = 0, end = name.size();
        while (begin < end && IsBlank(name[begin]))
            ++begin;
        while (end > begin && IsBlank(name[end - 1]))
            --end;
        text_ = name.mid(begin, end - begin);
        utf8_ = text_.toUtf8();
        ascii_ = IsAscii(utf8_.constData(), utf8_.size());
    }
    const QByteArray &Utf8() const { return utf8_; }

    // Names match without regard to case: ASCII letters byte-wise; other letters by Unicode case
    // folding when both names are valid UTF-8.
    bool Matches(const QByteArray &bytes, Span s) const
    {
        const char *p = bytes.constData() + s.begin;
        const qsizetype n = s.size();
        if (n == utf8_.size()) {
            bool same = true;
            for (qsizetype i = 0; i < n && same; ++i)
                same = AsciiLower(p[i]) == AsciiLower(utf8_[i]);
            if (same)
                return true;
        }
        if (ascii_ && IsAscii(p, n))
            return false;
        if (!IsValidUtf8(p, n))
            return false;
        return QString::fromUtf8(p, n).compare(text_, Qt::CaseInsensitive) == 0;
    }

private:
    QString text_;
    QByteArray utf8_;
    bool ascii_ = true;
};

// Folded form of a name in the file, used to list each key once: two names fold alike exactly
// when Name::Matches would match them.
QString FoldedKey(const QByteArray &bytes, Span s)
{
    const char *p = bytes.constData() + s.begin;
    const qsizetype n = s.size();
    if (IsValidUtf8(p, n))
        return QString::fromUtf8(p, n).toCaseFolded(); // ASCII folds to lower case
    // Not UTF-8: byte-wise with ASCII lower-cased, marked so it never equals a decoded name.
    QString out(QChar(u'\x01'));
    out.reserve(n + 1);
    for (qsizetype i = 0; i < n; ++i)
        out.append(QChar(ushort(0x100 + static_cast<unsigned char>(AsciiLower(p[i])))));
    return out;
}

// Values are read as at most 2047 bytes, never cutting a UTF-8 sequence in two.
QString DecodeValue(const QByteArray &bytes, Span s)
{
    qsizetype n = s.size();
    if (n > MaxValueBytes) {
        n = MaxValueBytes;
        const char *p = bytes.constData() + s.begin;
        // Step back over a sequence the cut would split.
        qsizetype lead = n;
        int back = 0;
        while (lead > 0 && back < 4 && (static_cast<unsigned char>(p[lead - 1]) & 0xC0) == 0x80) {
            --lead;
            ++back;
        }
        if (lead > 0) {
            const unsigned char c = static_cast<unsigned char>(p[lead - 1]);
            const int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (len > 1 && lead - 1 + len > n)
                n = lead - 1;
        }
    }
    return QString::fromUtf8(bytes.constData() + s.begin, n);
}

// Keys a line cannot hold as they stand are written in double quotes, with backslash, '"', "=",
// CR and LF as a backslash and two upper-case hex digits ("=" is \3D). A quoted key is read back
// unescaped only when it is exactly what the writer makes of a key that needs quotes, so every key
// that could be stored before reads back as it stands.
// Exactly the keys the line reader cannot give back (see LineReader); a leading byte-order mark
// would be lost in decoding.
bool Unstorable(const QString &key)
{
    const QChar first = key.front();
    if (first == u'[' || first == u';' || first == QChar(0xFEFF) || IsBlank(first) ||
        IsBlank(key.back()))
        return true;
    return key.contains(u'=') || key.contains(u'\n');
}

QString Quote(const QString &key)
{
    QString out(QLatin1Char('"'));
    for (const QChar c : key) {
        if (c == u'\\' || c == u'"' || c == u'=' || c == u'\r' || c == u'\n')
            out += QLatin1Char('\\') +
                   QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

std::optional<QString> Unquote(const QString &stored)
{
    const qsizetype n = stored.size();
    if (n < 2 || stored.front() != u'"' || stored.back() != u'"')
        return std::nullopt;
    QString out;
    for (qsizetype i = 1; i < n - 1; ++i) {
        if (stored[i] != u'\\') {
            out += stored[i];
            continue;
        }
        bool ok = false;
        const int code = i + 2 < n - 1 ? stored.mid(i + 1, 2).toInt(&ok, 16) : 0;
        if (!ok)
            return std::nullopt;
        out += QChar(code);
        i += 2;
    }
    return out;
}

bool NeedsQuotes(const QString &key);

QString DecodeKey(const QString &stored)
{
    // The canonical check comes first: it leaves only quotes that were escaped for the nested
    // check, so a line of many quotes cannot recurse deeply.
    const std::optional<QString> key = Unquote(stored);
    if (key && Quote(*key) == stored && NeedsQuotes(*key))
        return *key;
    return stored;
}

// An empty key cannot be written at all (see SetValue).
bool NeedsQuotes(const QString &key)
{
    return !key.isEmpty() && (Unstorable(key) || DecodeKey(key) != key);
}

QString EncodeKey(const QString &key)
{
    return NeedsQuotes(key) ? Quote(key) : key;
}

QString StoredKey(const QByteArray &bytes, Span s)
{
    return QString::fromUtf8(bytes.constData() + s.begin, s.size());
}

// One section of the file: the header line and the lines up to the next header.
struct SectionRange
{
    qsizetype headerStart = -1;
    qsizetype bodyStart = -1;     // first byte after the header line
    qsizetype end = -1;           // first byte of the next header line, or the file size
    qsizetype lastEntryNext = -1; // first byte after the section's last entry line, or bodyStart
    qsizetype contentEnd = -1;    // end of the section without its trailing blank lines
};

// The sections named name, in file order.
QList<SectionRange> FindSections(const QByteArray &bytes, const Name &name)
{
    QList<SectionRange> out;
    LineReader reader(bytes);
    Line line;
    bool inside = false;
    SectionRange cur;
    while (reader.Next(line)) {
        if (line.kind == Line::Header) {
            if (inside) {
                cur.end = line.start;
                out.append(cur);
                inside = false;
            }
            if (name.Matches(bytes, line.name)) {
                inside = true;
                cur = SectionRange();
                cur.headerStart = line.start;
                cur.bodyStart = line.next;
                cur.lastEntryNext = line.next;
                cur.contentEnd = line.next;
            }
            continue;
        }
        if (!inside)
            continue;
        if (line.kind == Line::Entry)
            cur.lastEntryNext = line.next;
        if (Trim(bytes, {line.start, line.contentEnd}).size() > 0)
            cur.contentEnd = line.next;
    }
    if (inside) {
        cur.end = bytes.size();
        out.append(cur);
    }
    return out;
}

// Calls f(line) for every entry line of the first section named section; f returns false to stop.
template <class F> void ForEachEntry(const QByteArray &bytes, const Name &section, F f)
{
    LineReader reader(bytes);
    Line line;
    bool inside = false;
    bool seen = false;
    while (reader.Next(line)) {
        if (line.kind == Line::Header) {
            if (inside)
                return; // only the first section of that name is read, as the profile API does
            inside = !seen && section.Matches(bytes, line.name);
            seen = seen || inside;
            continue;
        }
        if (inside && line.kind == Line::Entry && !f(line))
            return;
    }
}

QByteArray LineEnding(const QByteArray &bytes)
{
    const qsizetype nl = bytes.indexOf('\n');
    if (nl > 0 && bytes[nl - 1] == '\r')
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
}

// Text written into the file must stay on its line.
QByteArray OneLine(const QString &text)
{
    QByteArray b = text.toUtf8();
    for (char &c : b)
        if (c == '\n' || c == '\r')
            c = ' ';
    return b;
}

// Sets key in the first section named section, in memory: the first entry of that key gets the
// new value (the bytes from "=" to the line end are replaced), otherwise a new line follows the
// section's last entry, otherwise a new section is appended at the end of the file.
void SetValue(QByteArray &bytes, const QString &section, const QString &key, const QString &value)
{
    const Name sec(section);
    const Name k(EncodeKey(key));
    if (k.Utf8().isEmpty())
        return; // a line "=value" would never be read back
    const QByteArray v = OneLine(value);

    qsizetype replaceFrom = -1, replaceTo = -1;
    ForEachEntry(bytes, sec, [&](const Line &line) {
        if (!k.Matches(bytes, line.name))
            return true;
        replaceFrom = line.valueStart;
        replaceTo = line.contentEnd;
        return false;
    });
    if (replaceFrom >= 0) {
        bytes.replace(replaceFrom, replaceTo - replaceFrom, v);
        return;
    }

    const QByteArray eol = LineEnding(bytes);
    const QByteArray entry = k.Utf8() + '=' + v + eol;
    const QList<SectionRange> found = FindSections(bytes, sec);
    if (!found.isEmpty()) {
        qsizetype at = found.first().lastEntryNext;
        QByteArray insert = entry;
        if (at > 0 && bytes[at - 1] != '\n')
            insert.prepend(eol); // the line before has no ending (end of file)
        bytes.insert(at, insert);
        return;
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append(eol);
    bytes.append('[' + OneLine(section.trimmed()) + ']' + eol);
    bytes.append(entry);
}

// Removes every section named section, keeping the blank lines that separated it from the next.
// Returns the position where the first one stood, or -1.
qsizetype RemoveSections(QByteArray &bytes, const QString &section)
{
    const Name sec(section);
    const QList<SectionRange> found = FindSections(bytes, sec);
    for (qsizetype i = found.size() - 1; i >= 0; --i) {
        const SectionRange &r = found[i];
        bytes.remove(r.headerStart, r.contentEnd - r.headerStart);
    }
    return found.isEmpty() ? -1 : found.first().headerStart;
}

// Puts a whole section (header line included) where the first section of that name stood, all of
// them removed; an empty block just removes them.
void PutSection(QByteArray &bytes, const QString &section, const QByteArray &block)
{
    const qsizetype at = RemoveSections(bytes, section);
    if (block.isEmpty())
        return;
    if (at >= 0) {
        bytes.insert(at, block);
        return;
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append(LineEnding(bytes));
    bytes.append(block);
}

QByteArray SectionHeader(const QString &section, const QByteArray &eol)
{
    return '[' + OneLine(section.trimmed()) + ']' + eol;
}

void RemoveKey(QByteArray &bytes, const QString &section, const QString &key)
{
    const Name sec(section);
    const Name k(EncodeKey(key));
    QList<Span> lines;
    ForEachEntry(bytes, sec, [&](const Line &line) {
        if (k.Matches(bytes, line.name))
            lines.append({line.start, line.next});
        return true;
    });
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        bytes.remove(lines[i].begin, lines[i].size());
}

} // namespace

TIniFile::TIniFile(const QString &fileName, const QString &readFrom)
    : fileName_(fileName), readFrom_(readFrom)
{}

QByteArray TIniFile::Load() const
{
    QFile f(readFrom_.isEmpty() || QFileInfo::exists(fileName_) ? fileName_ : readFrom_);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void TIniFile::SaveIfChanged(const QByteArray &before, const QByteArray &after) const
{
    // Rewriting the same bytes would only fail where the file cannot be written.
    if (after != before)
        Save(after);
}

void TIniFile::Save(const QByteArray &bytes) const
{
    // Unbuffered: with a write buffer, Qt 6.4's commit() renames a short file over the old one and
    // reports success when the final flush fails (disk full, file-size limit).
    const QString folder = QFileInfo(fileName_).absolutePath();
    // The per-user folder is made by the first write, with or without a file to start from.
    if (!QFileInfo(folder).isDir())
        QDir().mkpath(folder);
    QSaveFile f(fileName_);
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (ok)
        ok = f.write(bytes) == bytes.size() && f.error() == QFileDevice::NoError;
    if (ok)
        ok = f.commit();
    else
        f.cancelWriting();
    if (!ok)
        throw std::runtime_error(
            QStringLiteral("Unable to write to %1").arg(fileName_).toStdString());
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const QByteArray bytes = Load();
    const Name sec(section);
    const Name k(EncodeKey(key));
    QString result = def;
    ForEachEntry(bytes, sec, [&](const Line &line) {
        if (!k.Matches(bytes, line.name))
            return true;
        result = DecodeValue(bytes, line.value);
        return false;
    });
    return result;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    int value = 0;
    return ParseInteger(ReadString(section, key, QString()), value) ? value : def;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(const QString &section) const
{
    return !ReadSection(section).isEmpty();
}

QStringList TIniFile::ReadSection(const QString &section) const
{
    const QByteArray bytes = Load();
    const Name sec(section);
    QStringList keys;
    QSet<QString> seen;
    qsizetype used = 1; // the list's final NUL
    ForEachEntry(bytes, sec, [&](const Line &line) {
        if (!seen.contains(FoldedKey(bytes, line.name))) {
            used += line.name.size() + 1;
            if (used > SectionKeyBudget)
                return false;
            seen.insert(FoldedKey(bytes, line.name));
            keys.append(DecodeKey(StoredKey(bytes, line.name)));
        }
        return true;
    });
    return keys;
}

QStringList TIniFile::ReadSectionValues(const QString &section) const
{
    QStringList keys, values, lines;
    ReadSectionPairs(section, keys, values);
    for (qsizetype i = 0; i < keys.size(); ++i)
        lines.append(keys[i] + QLatin1Char('=') + values[i]);
    return lines;
}

void TIniFile::ReadSectionPairs(const QString &section, QStringList &keys,
                                QStringList &values) const
{
    keys.clear();
    values.clear();
    const QByteArray bytes = Load();
    const Name sec(section);
    QSet<QString> seen;
    qsizetype used = 1;
    ForEachEntry(bytes, sec, [&](const Line &line) {
        const QString folded = FoldedKey(bytes, line.name);
        if (!seen.contains(folded)) {
            used += line.name.size() + 1;
            if (used > SectionKeyBudget)
                return false;
            seen.insert(folded);
            keys.append(DecodeKey(StoredKey(bytes, line.name)));
            values.append(DecodeValue(bytes, line.value));
        }
        return true;
    });
}

void TIniFile::ReadEntryLines(const QString &section, QStringList &keys, QStringList &values) const
{
    keys.clear();
    values.clear();
    const QByteArray bytes = Load();
    qsizetype used = 1;
    ForEachEntry(bytes, Name(section), [&](const Line &line) {
        used += line.name.size() + 1;
        if (used > SectionKeyBudget)
            return false;
        keys.append(DecodeKey(StoredKey(bytes, line.name)));
        values.append(DecodeValue(bytes, line.value));
        return true;
    });
}

QStringList TIniFile::ReadKeyList(const QString &section) const
{
    const QByteArray bytes = Load();
    const Name sec(section);
    QStringList keys;
    QSet<QString> seen;
    qsizetype used = 1;
    ForEachEntry(bytes, sec, [&](const Line &line) {
        const QString stored = StoredKey(bytes, line.name);
        if (!seen.contains(stored)) {
            used += line.name.size() + 1;
            if (used > SectionKeyBudget)
                return false;
            seen.insert(stored);
            keys.append(DecodeKey(stored));
        }
        return true;
    });
    return keys;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QByteArray before = Load();
    QByteArray bytes = before;
    SetValue(bytes, section, key, value);
    SaveIfChanged(before, bytes);
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteStrings(const QString &section, const QStringList &keys,
                            const QStringList &values)
{
    const QByteArray before = Load();
    QByteArray bytes = before;
    const qsizetype n = qMin(keys.size(), values.size());
    for (qsizetype i = 0; i < n; ++i)
        SetValue(bytes, section, keys[i], values[i]);
    SaveIfChanged(before, bytes);
}

void TIniFile::ReplaceSection(const QString &section, const QStringList &keys,
                              const QStringList &values)
{
    const QByteArray before = Load();
    QByteArray bytes = before;
    const qsizetype n = qMin(keys.size(), values.size());
    QByteArray block;
    if (n > 0) {
        // Built on its own, so that a key given twice is one line with the later value.
        block = SectionHeader(section, LineEnding(bytes.isEmpty() ? QByteArray("\n") : bytes));
        for (qsizetype i = 0; i < n; ++i)
            SetValue(block, section, keys[i], values[i]);
    }
    PutSection(bytes, section, block);
    SaveIfChanged(before, bytes);
}

void TIniFile::WriteKeyList(const QString &section, const QStringList &keys)
{
    const QByteArray before = Load();
    QByteArray bytes = before;
    const QByteArray eol = LineEnding(bytes.isEmpty() ? QByteArray("\n") : bytes);
    QByteArray block;
    for (const QString &key : keys)
        if (!key.isEmpty())
            block += EncodeKey(key).toUtf8() + '=' + eol;
    if (!block.isEmpty())
        block.prepend(SectionHeader(section, eol));
    PutSection(bytes, section, block);
    SaveIfChanged(before, bytes);
}

void TIniFile::WriteEntryLines(const QString &section, const QStringList &keys,
                               const QStringList &values)
{
    const QByteArray before = Load();
    QByteArray bytes = before;
    const QByteArray eol = LineEnding(bytes.isEmpty() ? QByteArray("\n") : bytes);
    QByteArray block;
    for (qsizetype i = 0; i < qMin(keys.size(), values.size()); ++i)
        if (!keys[i].isEmpty()) // a line "=value" would never be read back
            block += EncodeKey(keys[i]).toUtf8() + '=' + OneLine(values[i]) + eol;
    if (!block.isEmpty())
        block.prepend(SectionHeader(section, eol));
    PutSection(bytes, section, block);
    SaveIfChanged(before, bytes);
}

void TIniFile::DeleteKey(const QString &section, const QString &key)
{
    const QByteArray before = Load();
    QByteArray bytes = before;
    RemoveKey(bytes, section, key);
    SaveIfChanged(before, bytes);
}

void TIniFile::EraseSection(const QString &section)
{
    const QByteArray before = Load();
    QByteArray bytes = before;
    RemoveSections(bytes, section);
    SaveIfChanged(before, bytes);
}

bool TIniFile::ParseInteger(const QString &text, int &value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return false;
    // Decimal must fit an int; hexadecimal may use all 32 bits (0xFF000008 is a colour).
    const quint64 limit = hex ? 0xFFFFFFFFull
                              : (negative ? quint64(std::numeric_limits<int>::max()) + 1
                                          : quint64(std::numeric_limits<int>::max()));
    quint64 acc = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        acc = acc * (hex ? 16 : 10) + quint64(digit);
        if (acc > limit)
            return false;
    }
    if (hex) {
        quint32 bits = quint32(acc);
        if (negative)
            bits = quint32(0u - bits);
        value = qint32(bits);
    } else {
        value = negative ? int(-qint64(acc)) : int(acc);
    }
    return true;
}
