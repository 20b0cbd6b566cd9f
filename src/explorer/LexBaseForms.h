#pragma once

#include "BaseFormSource.h"
#include "WordMorpher.h"

#include <memory>
#include <mutex>
#include <optional>

// Base forms from the word-form rules of a cz.lex file, read when first asked for: the noun,
// verb and adjective exception lists first ("went" -> "go"), then the regular endings in the
// same order ("pictures" -> "picture"), those that give an irregular verb first ("does" -> "do").
// A missing or damaged file gives none.
class TLexBaseForms : public TBaseFormSource
{
public:
    explicit TLexBaseForms(const QString &lexFile);

    // One per file for the run: the rules are read once, however many engines ask.
    static std::shared_ptr<const TLexBaseForms> Shared(const QString &lexFile);

    QStringList BaseForms(const QString &word) const override;
    QStringList IrregularBaseForms(const QString &word) const override;

private:
    QStringList Forms(const QString &word, bool regularToo) const;
    const TWordMorpher *Morpher() const;

    QString lexFile_;
    mutable std::once_flag read_;
    mutable std::optional<TWordMorpher> morpher_;
};
