#include "MTStream.h"

#include <QStringDecoder>
#include <QtEndian>

#include <array>

namespace {

constexpr int MaxStoredChars = 127;
constexpr int RecordFixedBytes = 17; // Color, ChildCount, ImageIndex, StateIndex, TextBytes

[[noreturn]] void Fail(const QString &message)
{
    throw ETreeFormatError(message.toStdString());
}

// The label as stored: at most 127 units, a surrogate pair kept whole or left out, and any lone
// surrogate written as U+FFFD, so that the reader always recognises the text as UTF-16.
QString StoredText(const QString &text)
{
    QString cut = text.left(MaxStoredChars);
    if (text.size() > MaxStoredChars && cut.back().isHighSurrogate() &&
        text[MaxStoredChars].isLowSurrogate())
        cut.chop(1);
    for (qsizetype i = 0; i < cut.size(); ++i) {
        if (cut[i].isHighSurrogate() && i + 1 < cut.size() && cut[i + 1].isLowSurrogate())
            ++i;
        else if (cut[i].isSurrogate())
            cut[i] = QChar::ReplacementCharacter;
    }
    return cut;
}

void PutInt(QByteArray &bytes, quint32 value)
{
    std::array<char, 4> le;
    qToLittleEndian(value, le.data());
    bytes.append(le.data(), 4);
}

void WriteRecord(const TMTNode &node, QIODevice &out)
{
    const QString text = StoredText(node.Text());
    QByteArray record;
    PutInt(record, static_cast<quint32>(2 * text.size() + 18));
    PutInt(record, node.Color());
    PutInt(record, static_cast<quint32>(node.Count()));
    PutInt(record, static_cast<quint32>(node.ImageIndex()));
    PutInt(record, static_cast<quint32>(node.StateIndex()));
    record.append(static_cast<char>(2 * text.size()));
    for (const QChar c : text) {
        record.append(static_cast<char>(c.unicode() & 0xFF));
        record.append(static_cast<char>(c.unicode() >> 8));
    }
    out.write(record);
}

QByteArray ReadExactly(QIODevice &in, qint64 count)
{
    const QByteArray bytes = in.read(count);
    if (bytes.size() != count)
        Fail(QStringLiteral("Stream read error"));
    return bytes;
}

// Stored text is UTF-16 when it has the shape of it: an even length and either a zero byte (as
// every Latin letter has) or well-formed UTF-16; anything else is 8-bit text.
QString DecodeStoredText(const QByteArray &bytes)
{
    if (bytes.size() % 2 == 0) {
        QString wide(bytes.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < wide.size(); ++i)
            wide[i] = QChar(static_cast<char16_t>(static_cast<uchar>(bytes[2 * i]) |
                                                  static_cast<uchar>(bytes[2 * i + 1]) << 8));
        bool wellFormed = true;
        for (qsizetype i = 0; i < wide.size() && wellFormed; ++i) {
            if (wide[i].isHighSurrogate() && i + 1 < wide.size() && wide[i + 1].isLowSurrogate())
                ++i;
            else if (wide[i].isSurrogate())
                wellFormed = false;
        }
        if (bytes.contains('\0') || wellFormed)
            return wide;
    }
    return QString::fromUtf8(bytes);
}

// Reads one record into the node; returns its child count.
quint32 ReadRecord(TMTNode &node, QIODevice &in)
{
    ReadExactly(in, 4); // the record length is implied by the text length
    const QByteArray fixed = ReadExactly(in, RecordFixedBytes);
    const char *p = fixed.constData();
    const quint32 color = qFromLittleEndian<quint32>(p);
    const quint32 children = qFromLittleEndian<quint32>(p + 4);
    const qint32 image = qFromLittleEndian<qint32>(p + 8);
    const qint32 state = qFromLittleEndian<qint32>(p + 12);
    const int textBytes = static_cast<uchar>(p[16]);
    node.SetText(DecodeStoredText(ReadExactly(in, textBytes)));
    node.SetColor(color);
    node.SetExpanded(true);
    node.SetImageIndex(image);
    node.SetStateIndex(state);
    return children;
}

// BeginUpdate on construction and EndUpdate however the block is left.
class TUpdateScope
{
public:
    explicit TUpdateScope(TMTTreeHost *host) : host_(host)
    {
        if (host_)
            host_->BeginUpdate();
    }
    ~TUpdateScope()
    {
        if (host_)
            host_->EndUpdate();
    }
    TUpdateScope(const TUpdateScope &) = delete;
    TUpdateScope &operator=(const TUpdateScope &) = delete;

private:
    TMTTreeHost *host_;
};

template <typename Visit> void PreOrderWalk(TMTNode *root, Visit visit)
{
    std::vector<TMTNode *> pending{root};
    while (!pending.empty()) {
        TMTNode *node = pending.back();
        pending.pop_back();
        visit(*node);
        const auto &children = node->Children();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}

} // namespace

void WriteNodeStream(const TMTNodes &nodes, QIODevice &out)
{
    if (TMTNode *root = nodes.Root())
        PreOrderWalk(root, [&out](const TMTNode &node) { WriteRecord(node, out); });
}

void ReadNodeStream(TMTNodes &nodes, QIODevice &in)
{
    const TUpdateScope update(nodes.Host());
    nodes.Clear();
    TMTNode *root = nodes.Add(nullptr, QString());
    struct TPending
    {
        TMTNode *node;
        quint32 childrenLeft;
    };
    std::vector<TPending> path{{root, ReadRecord(*root, in)}};
    while (!path.empty()) {
        TPending &top = path.back();
        if (top.childrenLeft == 0) {
            path.pop_back();
            continue;
        }
        --top.childrenLeft;
        // Checked before the node is added, so that no node deeper than the limit is kept.
        if (top.node->Level() + 1 > MaxTreeDepth)
            Fail(QStringLiteral("The tree is nested deeper than %1 levels").arg(MaxTreeDepth));
        TMTNode *child = nodes.Add(top.node, QString());
        const quint32 children = ReadRecord(*child, in);
        path.push_back({child, children});
    }
}

// --- outline -------------------------------------------------------------------------------

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString OneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString Describe(const TMTNode &node)
{
    return QStringLiteral("#") + LineEnd + QStringLiteral("Level=%1").arg(node.Level()) + LineEnd +
           QStringLiteral("Text=") + OneLine(node.Text()) + LineEnd + QStringLiteral("Color=0x") +
           QStringLiteral("%1").arg(node.Color(), 6, 16, QLatin1Char('0')).toUpper() + LineEnd +
           QStringLiteral("Image=%1").arg(node.ImageIndex()) + LineEnd +
           QStringLiteral("StateImage=%1").arg(node.StateIndex()) + LineEnd;
}

QByteArray Encode(const QString &text, bool unicode)
{
    if (!unicode)
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

QString Decode(const QByteArray &bytes, bool unicode)
{
    if (!unicode)
        return QString::fromUtf8(bytes);
    QString text(bytes.size() / 2, Qt::Uninitialized); // an odd last byte is no character
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(static_cast<char16_t>(static_cast<uchar>(bytes[2 * i]) |
                                              static_cast<uchar>(bytes[2 * i + 1]) << 8));
    return text;
}

// Trims characters below 33 at both ends, as every outline line is read.
QString TrimControl(QStringView line)
{
    qsizetype begin = 0, end = line.size();
    while (begin < end && line[begin].unicode() < 33)
        ++begin;
    while (end > begin && line[end - 1].unicode() < 33)
        --end;
    return line.mid(begin, end - begin).toString();
}

// The outline's lines, trimmed, with a look-ahead.
class TLines
{
public:
    explicit TLines(const QString &text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    QString Next()
    {
        qsizetype end = text_.indexOf(QLatin1Char('\n'), pos_);
        if (end < 0)
            end = text_.size();
        const QString line = TrimControl(QStringView(text_).mid(pos_, end - pos_));
        pos_ = end + 1;
        return line;
    }
    QString Peek()
    {
        const qsizetype keep = pos_;
        QString line = Next();
        pos_ = keep;
        return line;
    }

private:
    const QString &text_;
    qsizetype pos_ = 0;
};

struct TDescription
{
    int level = -1;
    QString text;
    TMTColor color;
    int image = -1;
    int stateImage = -1;
};

int IntOr(const QString &value, int fallback)
{
    qint32 parsed;
    return ParseOutlineInt(value, parsed) ? parsed : fallback;
}

// Applies one key line; false for an unknown key.
bool ApplyKey(TDescription &d, const QString &key, const QString &value, TMTColor defaultColor)
{
    const auto is = [&key](const char *name) {
        return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("Level")) {
        qint32 level;
        if (!ParseOutlineInt(value, level))
            Fail(QStringLiteral("'%1' is not a valid integer value").arg(value));
        d.level = level;
    } else if (is("Text")) {
        d.text = value;
    } else if (is("Color")) {
        qint32 color;
        d.color = ParseOutlineInt(value, color) ? static_cast<TMTColor>(color) : defaultColor;
    } else if (is("Image")) {
        d.image = IntOr(value, -1);
    } else if (is("StateImage")) {
        d.stateImage = IntOr(value, -1);
    } else {
        return false;
    }
    return true;
}

// Reads the key lines after a "#"; the description ends at its fifth key, at the next "#", or at
// the end.
TDescription ReadDescription(TLines &lines, TMTColor defaultColor)
{
    TDescription d;
    d.color = defaultColor;
    int keys = 0;
    while (!lines.AtEnd()) {
        // The "#" that ends a description opens the next one, however few keys this one had.
        if (lines.Peek() == QLatin1String("#"))
            break;
        const QString line = lines.Next();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (!ApplyKey(d, line.left(eq), line.mid(eq + 1), defaultColor))
            continue;
        ++keys;
        if (keys >= 5)
            break;
    }
    return d;
}

void AddDescribed(TMTNodes &nodes, const TDescription &d, std::vector<TMTNode *> &levels)
{
    TMTNode *node = nullptr;
    if (d.level == 0) {
        node = nodes.Add(nullptr, d.text);
        if (!node)
            return; // a second root has nowhere to go
        if (levels.empty())
            levels.push_back(node);
        else
            levels[0] = node;
    } else {
        const qint64 parentIndex = qint64(d.level) - 1;
        if (parentIndex < 0 || parentIndex >= qint64(levels.size()))
            Fail(QStringLiteral("List index out of bounds (%1)").arg(parentIndex));
        if (d.level > MaxTreeDepth)
            Fail(QStringLiteral("The tree is nested deeper than %1 levels").arg(MaxTreeDepth));
        node = nodes.Add(levels[parentIndex], d.text);
        if (qsizetype(levels.size()) > d.level)
            levels[d.level] = node;
        else
            levels.push_back(node);
    }
    node->SetColor(d.color);
    node->SetImageIndex(d.image);
    node->SetStateIndex(d.stateImage);
}

} // namespace

bool ParseOutlineInt(const QString &text, qint32 &value)
{
    QStringView digits(text);
    int base = 10;
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.front() == QLatin1Char('-');
        digits = digits.mid(1);
    }
    if (digits.startsWith(QLatin1Char('$')) || digits.startsWith(QLatin1Char('x')) ||
        digits.startsWith(QLatin1Char('X'))) {
        base = 16;
        digits = digits.mid(1);
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    }
    if (digits.isEmpty() || digits.startsWith(QLatin1Char('-')) ||
        digits.startsWith(QLatin1Char('+')))
        return false;
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok, base);
    const qulonglong limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (!ok || magnitude > limit)
        return false;
    const qint64 signedValue = negative ? -qint64(magnitude) : qint64(magnitude);
    value = static_cast<qint32>(static_cast<quint32>(signedValue));
    return true;
}

void WriteOutline(const TMTNodes &nodes, QIODevice &out, bool unicode)
{
    if (TMTNode *root = nodes.Root())
        PreOrderWalk(root,
                     [&](const TMTNode &node) { out.write(Encode(Describe(node), unicode)); });
}

void ReadOutline(TMTNodes &nodes, QIODevice &in, bool unicode)
{
    TMTTreeHost *host = nodes.Host();
    const bool batch = host && !host->Animated();
    const TUpdateScope update(batch ? host : nullptr);
    nodes.Clear();
    const QString text = Decode(in.readAll(), unicode);
    TLines lines(text);
    std::vector<TMTNode *> levels;
    while (!lines.AtEnd()) {
        bool opened = false;
        while (!lines.AtEnd() && !opened)
            opened = lines.Next() == QLatin1String("#");
        if (!opened)
            break;
        AddDescribed(nodes, ReadDescription(lines, nodes.DefaultColor()), levels);
    }
    if (host)
        host->ResetView();
}
