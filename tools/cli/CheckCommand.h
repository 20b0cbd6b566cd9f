#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

class TDIAnsiStringHash;
class TSyllableTable;

// tolvane-cli check FORM FILE: the verse editor's verse-form check, one line per text line of
// FILE: line TAB count TAB wanted TAB letter TAB verdict. FORM names a pattern file of the
// "Verse Forms" folder without ".txt", or is "-" for the poem's own rhyme letters. 0 when every
// line is ok, 1 when any is marked, 2 on bad usage (an unknown form lists the forms).
class TCheckCommand
{
public:
    TCheckCommand(const QString &formsFolder, const TSyllableTable &syllables,
                  const TDIAnsiStringHash &rhymes, std::ostream &out, std::ostream &err)
        : formsFolder_(formsFolder), syllables_(syllables), rhymes_(rhymes), out_(out), err_(err)
    {}

    int Run(const QStringList &args);
    static QStringList FormNames(const QString &formsFolder);

private:
    int UnknownForm(const QString &form);

    QString formsFolder_;
    const TSyllableTable &syllables_;
    const TDIAnsiStringHash &rhymes_;
    std::ostream &out_;
    std::ostream &err_;
};
