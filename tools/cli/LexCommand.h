#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// "lex WORD [--rel TYPE]": the word explorer's senses of a word, or its related words, from
// cz.lex in the data folder.
class TLexCommand
{
public:
    TLexCommand(const QString &dataDir, std::ostream &out, std::ostream &err);

    // 0 when something was found, 1 when nothing was, 2 on bad usage or a damaged database.
    int Run(const QStringList &args);

    // The relation number of a tab name ("Type of", "type-of", "antonyms"); -1 when unknown.
    static int RelationByName(const QString &name);

private:
    QString dataDir_;
    std::ostream &out_;
    std::ostream &err_;
};
