#pragma once

#include <QString>
#include <QStringList>

#include <utility>

// Conversions of "#"-separated word-list entries and word boundaries in a results text.
namespace EntryText {

// The non-empty pieces of an entry. An entry without any separator but with text is one item
// (a one-word group must show in list style as it does in wrap style).
QStringList Split(const QString &entry, QChar separator = QLatin1Char('#'));
// The entry as one paragraph: every "#" becomes ", ".
QString Join(const QString &entry);

// Panel word delimiters: NUL and ",". Positions past the end read as NUL.
bool IsDelimiter(QChar ch);
// The word around a caret position: [start, end) with start at or before the caret.
std::pair<int, int> WordBounds(const QString &text, int caret);
// Removes leading and trailing characters of code 32 or below.
QString TrimControls(const QString &text);

} // namespace EntryText
