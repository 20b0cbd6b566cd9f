#pragma once

#include <QString>
#include <QUrl>

// A web dictionary's address for a word: in the template, "%s" becomes the percent-encoded word
// and "%%" one "%"; everything else, other "%" sequences included, stays as written. A template
// without "%s" is the same address for every word.
QString FillUrlTemplate(const QString &urlTemplate, const QString &word);
// The filled template as an address, where a "%" that starts no escape ("%d") stands for
// itself, so the word stays encoded exactly once; one without a scheme ("localhost:8080/%s") is
// taken as a web address on that host and port.
QUrl WebDictionaryUrl(const QString &urlTemplate, const QString &word);
