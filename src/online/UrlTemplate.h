#pragma once

#include <QString>
#include <QUrl>

// A web dictionary's address for a word: in the template, "%s" becomes the percent-encoded word
// and "%%" one "%"; everything else, other "%" sequences included, stays as written. A template
// without "%s" is the same address for every word.
QString FillUrlTemplate(const QString &urlTemplate, const QString &word);
// The filled template as an address; one without a scheme is taken as a web address.
QUrl WebDictionaryUrl(const QString &urlTemplate, const QString &word);
