#pragma once

#include <QString>

// The word a lookup searches for, made from what the user typed or the editor found at the
// caret: blanks and surrounding quotes trimmed ("beard\"", " love "), typographic apostrophes
// written as "'" (don’t), Latin letters without their accents (café, naïve). The current word
// itself keeps what the user typed; only the keys searched for are folded.
QString FoldLookupText(const QString &text, bool foldAccents = true);

// The same with the accents kept: online dictionaries know "café" as it is spelled.
inline QString TrimLookupText(const QString &text)
{
    return FoldLookupText(text, false);
}
