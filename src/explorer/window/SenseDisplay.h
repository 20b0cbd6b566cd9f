#pragma once

#include <QString>

#include <string>
#include <vector>

class TLexDatabase;
struct TSynsetWord;

// What the definitions pane shows of one sense, worked out from the last lookup without widgets.
struct TSenseDisplay
{
    int SenseIndex = -1; // in the query's Senses(), for SelectSense
    int PartOfSpeech = 0;
    bool StartsHeading = false;
    QString Heading;       // "Verb: run (runs, ran, running)"
    QString Pronunciation; // shown maroon right of the heading
    QString PronunciationHint;
    QString Usage;   // "Usage: ..." under the heading, empty for none
    QString Variant; // the spelling variant the usage label looks up
    QString Definition;
    QString Examples;   // quoted, "; "-separated
    int Number = 0;     // counts the senses under the heading
    QString NumberHint; // the sense's other words, one per line
};

namespace SenseDisplay {

// The shown senses of the database's last lookup in display order.
std::vector<TSenseDisplay> Build(TLexDatabase &db, const std::string &lookedUp);
// A list word, with " [labels]" when it is vulgar or offensive.
QString ListText(const TSynsetWord &word);
// A list item without the " [" suffix and a trailing "*".
QString PlainWord(const QString &item);

} // namespace SenseDisplay
