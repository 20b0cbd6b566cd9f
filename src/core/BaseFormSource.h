#pragma once

#include <QString>
#include <QStringList>

// The dictionary forms a word may be an inflection of ("went" -> "go", "children" -> "child"),
// likeliest first. Lets engines use a word-form source without depending on where it lives.
class TBaseFormSource
{
public:
    virtual ~TBaseFormSource() = default;
    virtual QStringList BaseForms(const QString &word) const = 0;
    // The forms listed as irregular ("was" -> "be") and the irregular verbs a regular-looking
    // form belongs to ("does" -> "do"): sure enough to try before a stem.
    virtual QStringList IrregularBaseForms(const QString &) const { return {}; }
};
