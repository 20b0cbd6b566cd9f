#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads and writes one INI file with no cache: every read parses the file as it is now, every
// write rewrites it atomically. Section and key names match without regard to case; entries keep
// their file order; lines the reader does not understand survive every write untouched.
class TIniFile
{
public:
    explicit TIniFile(const QString &fileName);
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

    QString fileName_;
};
