#include "LexBaseForms.h"

#include "LexDatabase.h"
#include "LexError.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr int Noun = 0, Verb = 1, Adjective = 2;

} // namespace

TLexBaseForms::TLexBaseForms(const QString &lexFile) : lexFile_(lexFile) {}

std::shared_ptr<const TLexBaseForms> TLexBaseForms::Shared(const QString &lexFile)
{
    static std::mutex guard;
    static std::map<QString, std::shared_ptr<const TLexBaseForms>> shared;
    const std::lock_guard lock(guard);
    std::shared_ptr<const TLexBaseForms> &forms = shared[lexFile];
    if (!forms)
        forms = std::make_shared<TLexBaseForms>(lexFile);
    return forms;
}

const TWordMorpher *TLexBaseForms::Morpher() const
{
    std::call_once(read_, [this] {
        try {
            TLexDatabase database;
            database.SetFileName(QFile::encodeName(lexFile_).toStdString());
            database.Open();
            morpher_ = database.Morpher();
        } catch (const ELexError &) {
            // No rules: words are then looked up as they are.
        }
    });
    return morpher_ ? &*morpher_ : nullptr;
}

QStringList TLexBaseForms::BaseForms(const QString &word) const
{
    return Forms(word, true);
}

QStringList TLexBaseForms::IrregularBaseForms(const QString &word) const
{
    return Forms(word, false);
}

QStringList TLexBaseForms::Forms(const QString &word, bool regularToo) const
{
    const TWordMorpher *morpher = Morpher();
    const QString lower = word.toLower();
    // The rules are in single-byte text; a word outside it has no forms there.
    if (!morpher || lower.isEmpty() ||
        std::any_of(lower.begin(), lower.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return {};
    const QByteArray bytes = lower.toLatin1();
    const std::string text(bytes.constData(), std::size_t(bytes.size()));
    std::vector<std::string> found;
    for (int pos = Noun; pos <= Adjective; ++pos)
        morpher->ExceptionBases(pos, text, found);
    const auto regular = std::ptrdiff_t(found.size());
    for (int pos = Noun; pos <= Adjective; ++pos) {
        int kind = 0;
        morpher->BaseForms(text, pos, found, true, kind);
    }
    // The irregular verbs are the everyday ones: a regular-looking form of one is more likely
    // that verb's than another word's ("does" is "do" before "doe"), and as sure as a listed
    // form. A regular ending cut down to two letters is rarely the word ("died": "dy" before
    // "die"); short bases that are meant come from the exception lists ("went": "go").
    const auto everyday =
        std::stable_partition(found.begin() + regular, found.end(), [morpher](const auto &form) {
            return !morpher->ExceptionLine(Verb, form).empty();
        });
    std::stable_partition(everyday, found.end(),
                          [](const std::string &form) { return form.size() > 2; });
    if (!regularToo)
        found.erase(everyday, found.end());
    QStringList forms;
    for (const std::string &each : found) {
        const QString form = QString::fromLatin1(each.data(), qsizetype(each.size()));
        if (!form.isEmpty() && form != lower && !forms.contains(form))
            forms << form;
    }
    return forms;
}
