// Reads arbitrary bytes as settings.ini and checks the INI reader and writer: the readers agree
// with each other and respect the value limit; a write of one key changes the bytes of one line
// only (or inserts whole lines), reads back, leaves every other key's value alone, and writing the
// same value again changes nothing.
#include "AppFolders.h"
#include "FuzzCheck.h"
#include "IniFile.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

using fuzz::Check;

// Writes end in fsync (QSaveFile); on a RAM disk that costs nothing, so prefer one.
QString TempTemplate()
{
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        return QStringLiteral("/dev/shm/tolvane-fuzz-ini-XXXXXX");
    return QDir::tempPath() + QStringLiteral("/tolvane-fuzz-ini-XXXXXX");
}

struct TFixture
{
    QTemporaryDir dir{TempTemplate()};
    QString path;
    TFixture()
    {
        Check(dir.isValid());
        path = dir.filePath(QStringLiteral("settings.ini"));
        OverrideAppFolder(dir.path());
    }
};

TFixture &Fixture()
{
    static TFixture fixture;
    return fixture;
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(f.write(bytes) == bytes.size());
}

QByteArray Get(const QString &path)
{
    QFile f(path);
    Check(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// old and new differ only inside one line of old: the common prefix and suffix hold the rest.
bool OnlyOneLineDiffers(const QByteArray &oldBytes, const QByteArray &newBytes)
{
    qsizetype p = 0;
    const qsizetype n = qMin(oldBytes.size(), newBytes.size());
    while (p < n && oldBytes[p] == newBytes[p])
        ++p;
    qsizetype s = 0;
    while (s < n - p && oldBytes[oldBytes.size() - 1 - s] == newBytes[newBytes.size() - 1 - s])
        ++s;
    return !oldBytes.mid(p, oldBytes.size() - s - p).contains('\n');
}

const QString kSections[] = {"MainForm", "Font", "FileHistory", "OnlineLookupsEnabled", "S", ""};
const QString kKeys[] = {"Width", "Face", "Style", "a", "Wikipedia", "k"};

void CheckSection(const TIniFile &ini, const QString &section)
{
    const QStringList keys = ini.ReadSection(section);
    const QStringList lines = ini.ReadSectionValues(section);
    Check(keys.size() == lines.size());
    Check(ini.SectionExists(section) == !keys.isEmpty());
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    for (qsizetype i = 0; i < keys.size() && i < 64; ++i) {
        const QString value = ini.ReadString(section, keys[i], QStringLiteral("\x01"));
        Check(value.size() <= 2047);
        // A key whose bytes are not UTF-8 is listed with replacement characters, and one stored
        // after a byte-order mark is listed without the mark (UTF-8 decoding drops it). What
        // follows the mark may then be a name no line can give (empty, or starting with a blank,
        // ";" or "["), which the writer would quote. Neither can be asked for by the listed name.
        const QChar first = keys[i].isEmpty() ? QChar() : keys[i].front();
        const bool lostMark = keys[i].isEmpty() || first == u' ' || first == u'\t' ||
                              first == u'\r' || first == u'\v' || first == u'\f' || first == u';' ||
                              first == u'[';
        if ((keys[i].contains(QChar::ReplacementCharacter) || lostMark) &&
            value == QStringLiteral("\x01"))
            continue;
        Check(lines[i] == keys[i] + QLatin1Char('=') + value);
        const int a = ini.ReadInteger(section, keys[i], 1);
        const int b = ini.ReadInteger(section, keys[i], 2);
        Check(a == b || (a == 1 && b == 2));
        if (decimal.match(value).hasMatch())
            Check(a == value.toInt() && b == a);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TFixture &fx = Fixture();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    Put(fx.path, input);
    TIniFile ini(fx.path);

    for (const QString &section : kSections)
        CheckSection(ini, section);

    // The store's readers over the same bytes (no cache: the instance reads the file as it is now).
    TDictSettings &settings = TDictSettings::Instance();
    (void)settings.GetLeft();
    (void)settings.GetShowRhymes();
    (void)settings.CommonSideIsRight();
    (void)settings.GetCurrentServer();
    (void)settings.IsOnlineLookupEnabled(QStringLiteral("Wikipedia"));
    TFontInfo font;
    settings.ReadFont(QStringLiteral("Font"), font);
    QStringList list;
    settings.GetFileHistory(list);
    settings.GetRhymeLineLists(list);
    Check(Get(fx.path) == input); // reading never writes

    // One write, chosen by the input's first byte.
    const unsigned char pick = size ? data[0] : 0;
    const QString section = kSections[pick % 6];
    const QString key = kKeys[(pick / 6) % 6];
    const QString value = QStringLiteral("fz%1").arg(size);
    const QStringList before = ini.ReadSectionValues(section);
    ini.WriteString(section, key, value);
    const QByteArray after = Get(fx.path);
    Check(OnlyOneLineDiffers(input, after));
    Check(ini.ReadString(section, key, QString()) == value);

    // Every other entry listed before keeps its place and value.
    const QStringList now = ini.ReadSectionValues(section);
    Check(now.size() >= before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const QString name = before[i].left(before[i].indexOf(QLatin1Char('=')));
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            Check(now[i] == name + QLatin1Char('=') + value);
        else
            Check(now[i] == before[i]);
    }

    ini.WriteString(section, key, value);
    Check(Get(fx.path) == after);
    return 0;
}
