#pragma once

#include <QString>

// The four-character Soundex code of text written backwards, so that words with similar endings
// share a code ("nation" -> "N350", "love" -> "E140"). Empty text gives the empty code.
QString RoundexCode(const QString &text);
