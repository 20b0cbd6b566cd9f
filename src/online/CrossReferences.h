#pragma once

#include <QString>

#include <vector>

// A word an answer line refers to, which a click looks up.
struct TCrossReference
{
    int start = 0;
    int length = 0;
    QString word;
    int end() const { return start + length; }
};

// The words a line of a DICT answer refers to, in order: "{word}" cross-references (the braces
// included in the range), and the word of a MATCH result line ("database "word"").
std::vector<TCrossReference> FindCrossReferences(const QString &line);
// The reference that covers position, or null.
const TCrossReference *CrossReferenceAt(const std::vector<TCrossReference> &refs, int position);
