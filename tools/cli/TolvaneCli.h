#pragma once

#include "DIAnsiStringHash.h"
#include "RhymeLookup.h"
#include "SyllableTable.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <ostream>

// The command-line companion: the program's lookups for scripts, tests and terminal users.
// One result per output line; Run returns 0 when something was found, 1 when nothing was and
// 2 on bad usage or an unreadable or damaged file (its message on the error stream).
class TTolvaneCli
{
public:
    // dataDir holds rdict.dat, sdxdict.dat and rpoetry.dat; it ends in "/".
    TTolvaneCli(const QString &dataDir, std::ostream &out, std::ostream &err);
    ~TTolvaneCli();

    // args without the program name; "--data DIR" before the command overrides the folder.
    int Run(QStringList args);

    static const char *HelpText();

private:
    int Dispatch(const QString &command, const QStringList &args);
    int Rhymes(const QString &word);
    int Phrases(const QString &word);
    int Near(const QString &word);
    int Roundex(const QString &word);
    int Lines(const QString &word);
    int Pronunciations(const QString &word);
    int Syllables(const QString &text);
    int RuleSyllables(const QString &text);
    int SyllableRange(const QString &text);
    int Meter(const QString &text);
    int Stem(const QString &word);
    int Get(const QString &file, const QString &key);
    int Dump(const QString &file);
    int Build(const QString &tsv, const QString &out);
    int Lex(const QStringList &args);

    // The word list of a data file, loaded on first use; throws the loader's error.
    const TDIAnsiStringHash &Data(const char *fileName);
    QString ResolveFile(const QString &file) const;
    TRhymeLookup RhymeLookup();
    static std::string RhymeWord(const QString &typed);
    int PrintList(std::string_view value);
    int PrintCount(int count);
    TSyllableTable SyllableTable();
    int Usage(const char *message);

    QString dataDir_;
    std::ostream &out_;
    std::ostream &err_;
    bool showOffensive_ = false;
    std::map<QString, std::unique_ptr<TDIAnsiStringHash>> lists_;
};
