#pragma once

#include <QString>

#include <vector>

// A word of a line as the spell checker sees it: letters (with their combining marks) and
// digits, joined by inner apostrophes ("don't", "o'er"; the typographic apostrophe counts as
// one). Hyphens and all other characters separate words.
struct TWordToken
{
    int start = 0;
    int length = 0;
    // False for words the checker leaves alone: parts of internet and e-mail addresses, words
    // with digits and words in capitals.
    bool checked = true;

    int end() const { return start + length; }
};

std::vector<TWordToken> SpellTokens(const QString &line);

// The word as Hunspell is asked about it: typographic apostrophes made plain.
QString SpellingForm(QStringView word);

bool IsApostrophe(QChar ch);
