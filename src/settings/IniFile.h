#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads and writes one INI file with no cache: every read parses the file as it is now, every
// write that changes something rewrites it atomically (one that changes nothing writes nothing).
// Section and key names match without regard to case; entries keep their file order; lines the
// reader does not understand survive every write untouched. Any key reads back as it was written:
// one that a line cannot hold as it stands ("=" inside, "[" or ";" in front, blanks at either end,
// a line break) is stored in double quotes with those characters escaped.
class TIniFile
{
public:
    // While fileName does not exist, readFrom (when given) is read instead; the first write
    // creates fileName from it.
    explicit TIniFile(const QString &fileName, const QString &readFrom = QString());
    QString FileName() const { return fileName_; }

    // Values are at most 2047 characters; longer values are cut.
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    // True when the section holds at least one key.
    bool SectionExists(const QString &section) const;
    // Key names of a section in file order, each once (a duplicated key counts where it first
    // stands); names beyond a 16384-byte budget (each name plus one byte) are not listed. Only the
    // first section of a given name is read, as classic INI readers do. A name whose
    // bytes are not valid UTF-8 is listed with replacement characters and cannot be asked for by
    // that text (matching is exact on bytes, so a write never lands on a different key).
    QStringList ReadSection(const QString &section) const;
    // "key=value" lines of a section in file order, with the values ReadString gives.
    QStringList ReadSectionValues(const QString &section) const;
    // The keys and values of ReadSectionValues as two lists, so a key holding "=" stays whole.
    void ReadSectionPairs(const QString &section, QStringList &keys, QStringList &values) const;
    // Every entry line of a section in file order, a key that stands on several lines once per
    // line (a list whose keys may repeat, such as two servers on one host); within the budget of
    // ReadSection, counted per line.
    void ReadEntryLines(const QString &section, QStringList &keys, QStringList &values) const;
    // A list section: its keys exactly as stored, in file order, keeping keys that differ only in
    // letter case apart (each distinct key once, within the same budget as ReadSection).
    QStringList ReadKeyList(const QString &section) const;

    // Writers throw std::runtime_error("Unable to write to <path>") when the file cannot be
    // written.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);
    // Several keys of one section in one atomic write (keys[i] = values[i]).
    void WriteStrings(const QString &section, const QStringList &keys, const QStringList &values);
    // EraseSection followed by writing keys[i] = values[i], in one atomic write; the section keeps
    // its place in the file. Empty lists just erase it.
    void ReplaceSection(const QString &section, const QStringList &keys, const QStringList &values);
    // Replaces a section by one "key=value" line per pair, in order, repeated keys included, so
    // that ReadEntryLines gives the pairs back.
    void WriteEntryLines(const QString &section, const QStringList &keys,
                         const QStringList &values);
    // Replaces a list section by one "key=" line per key, in order (see ReadKeyList).
    void WriteKeyList(const QString &section, const QStringList &keys);
    // Removes every entry line of key in the section.
    void DeleteKey(const QString &section, const QString &key);
    // Removes every section of that name with all its lines (comments included).
    void EraseSection(const QString &section);
    // Writes are flushed at once; kept for callers that flush explicitly.
    void UpdateFile() {}

    // Parses an integer as the store does: decimal, or hexadecimal after "0x"/"0X".
    static bool ParseInteger(const QString &text, int &value);

private:
    QByteArray Load() const;
    void Save(const QByteArray &bytes) const;
    void SaveIfChanged(const QByteArray &before, const QByteArray &after) const;

    QString fileName_;
    QString readFrom_;
};
