#include "WordForms.h"

#include "TextUtils.h"

#include <algorithm>

void TWordForms::Add(std::string_view form)
{
    if (!form.empty())
        forms_[ToLowerAscii(form)].emplace(form);
}

void TWordForms::AddWordList(std::string_view text)
{
    ForEachLine(text, [this](std::string_view line) { Add(Trim(line)); });
}

bool TWordForms::Known(std::string_view lower) const
{
    return forms_.find(lower) != forms_.end();
}

bool TWordForms::HasLowerCase(std::string_view lower) const
{
    const auto it = forms_.find(lower);
    return it != forms_.end() && it->second.count(std::string(lower)) > 0;
}

std::string TWordForms::CapitalForm(std::string_view lower) const
{
    const auto it = forms_.find(lower);
    if (it == forms_.end())
        return {};
    for (const std::string &form : it->second)
        if (HasUpperAscii(form))
            return form;
    return {};
}

namespace {

bool IsCompoundOfRealWords(std::string_view word, const TWordForms &forms)
{
    if (word.find('-') == std::string_view::npos)
        return false;
    const std::vector<std::string_view> parts = SplitOn(word, '-');
    return std::all_of(parts.begin(), parts.end(), [&](std::string_view part) {
        return !part.empty() && forms.HasLowerCase(part);
    });
}

// "aalborg's" -> "aalborg" and "'s"; "jones'" -> "jones" and "'"; otherwise empty.
std::pair<std::string_view, std::string_view> SplitPossessive(std::string_view word)
{
    if (word.size() > 2 && word.ends_with("'s"))
        return {word.substr(0, word.size() - 2), "'s"};
    if (word.size() > 2 && word.ends_with("s'"))
        return {word.substr(0, word.size() - 1), "'"};
    return {};
}

} // namespace

TWordClass ClassifyWord(std::string_view word, const TWordForms &forms)
{
    if (forms.HasLowerCase(word) || word.starts_with('\''))
        return {TWordKind::Real, std::string(word)};
    if (std::string capital = forms.CapitalForm(word); !capital.empty())
        return {TWordKind::Proper, capital};
    if (IsCompoundOfRealWords(word, forms))
        return {TWordKind::Real, std::string(word)};
    if (const auto [base, suffix] = SplitPossessive(word); !base.empty() && forms.Known(base)) {
        TWordClass baseClass = ClassifyWord(base, forms);
        return {baseClass.kind, baseClass.display + std::string(suffix)};
    }
    return {TWordKind::Proper, CapitaliseParts(word)};
}
