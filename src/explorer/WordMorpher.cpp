#include "WordMorpher.h"

#include <algorithm>

using namespace WordUtils;

namespace {

bool EndsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool IsVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return out;
}

std::string Cut(const std::string &s, std::size_t n)
{
    return s.substr(0, s.size() >= n ? s.size() - n : 0);
}

bool EndsInSibilant(const std::string &w)
{
    return EndsWith(w, "s") || EndsWith(w, "x") || EndsWith(w, "z") || EndsWith(w, "ch") ||
           EndsWith(w, "sh");
}

// The lines of a list sorted by their first field (stop ',': only lines that have a comma) or
// whole text (stop '\n'), equal ones in list order. Offsets rather than strings spare a fresh
// process thousands of small allocations; a list already in order needs no sort.
std::vector<TWordMorpher::TLineField> SortedLines(std::string_view list, char stop)
{
    std::vector<TWordMorpher::TLineField> fields;
    for (std::size_t start = 0; start < list.size();) {
        std::size_t end = list.find('\n', start);
        if (end == std::string_view::npos)
            end = list.size();
        const std::size_t field =
            stop == ',' ? list.substr(start, end - start).find(',') : end - start;
        if (field != 0 && field != std::string_view::npos)
            fields.push_back({std::uint32_t(start), std::uint32_t(field)});
        start = end + 1;
    }
    const auto less = [list](const TWordMorpher::TLineField &a, const TWordMorpher::TLineField &b) {
        return list.substr(a.start, a.length) < list.substr(b.start, b.length);
    };
    if (!std::is_sorted(fields.begin(), fields.end(), less))
        std::stable_sort(fields.begin(), fields.end(), less);
    return fields;
}

// The start of the first line whose field equals key; npos when none.
std::size_t FindLine(std::string_view list, const std::vector<TWordMorpher::TLineField> &sorted,
                     std::string_view key)
{
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), key,
                                     [list](const TWordMorpher::TLineField &f, std::string_view k) {
                                         return list.substr(f.start, f.length) < k;
                                     });
    if (it == sorted.end() || list.substr(it->start, it->length) != key)
        return std::string_view::npos;
    return it->start;
}

} // namespace

void TWordMorpher::SetStrings(TFormStrings strings)
{
    strings_ = std::move(strings);
    variantsBuilt_ = false;
    variants_.clear();
    for (int list = 0; list < FormStringCount; ++list)
        sorted_[list] =
            list == fsSpellingVariants
                ? std::vector<TLineField>()
                : SortedLines(strings_[list], list <= fsAdjectiveExceptions ? ',' : '\n');
}

// Adverbs share the adjectives' list (well: better, best).
const std::string *TWordMorpher::ExceptionList(int pos) const
{
    return pos >= 0 && pos <= 3 ? &strings_[std::min(pos, 2)] : nullptr;
}

bool TWordMorpher::InList(TFormString list, std::string_view word) const
{
    const std::string key = UpperKey(word);
    if (key.empty())
        return false;
    if (list == fsComparableStems || list == fsDoublingVerbs || list == fsBritishDoublingVerbs)
        return FindLine(strings_[list], sorted_[list], key) != std::string_view::npos;
    return strings_[list].find('\n' + key + '\n') != std::string::npos;
}

bool TWordMorpher::IsDoubling(std::string_view word) const
{
    return InList(fsDoublingVerbs, word) || InList(fsBritishDoublingVerbs, word);
}

std::vector<std::string> TWordMorpher::ExceptionLine(int pos, std::string_view word) const
{
    if (pos < 0 || pos > 3 || word.empty())
        return {};
    pos = std::min(pos, 2);
    const std::string_view list = strings_[pos];
    const std::size_t start = FindLine(list, sorted_[pos], word);
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = list.find('\n', start);
    return Split(std::string(list.substr(start, end == std::string_view::npos ? end : end - start)),
                 ',');
}

std::string TWordMorpher::Inflect(const std::string &word, int kind) const
{
    switch (kind) {
    case fkNone:
        return word;
    case fkPlural:
        return Plural(word);
    case fkThirdPerson:
    case fkPast:
    case fkPastParticiple:
    case fkPresentParticiple:
        return InflectVerb(word, kind);
    case fkComparative:
    case fkSuperlative:
        return InflectAdjective(word, kind);
    }
    return {};
}

std::string TWordMorpher::Plural(const std::string &word) const
{
    const std::vector<std::string> line = ExceptionLine(0, word);
    if (line.size() > 1 && !line[1].empty())
        return line[1];
    if (word.size() == 1)
        return word + "s";
    const std::size_t space = word.find(' ');
    if (space != std::string::npos && word.compare(space + 1, 3, "of ") == 0 &&
        Lower(word) == word) {
        const std::string head = Plural(word.substr(0, space));
        return head.empty() ? std::string() : head + word.substr(space);
    }
    const bool capitalised = !word.empty() && !IsLower(word[0]) &&
                             !(word.size() > 1 && word[1] >= 'A' && word[1] <= 'Z');
    if ((space != std::string::npos || capitalised) && !ForcePlural)
        return {};
    if (EndsInSibilant(word))
        return word + "es";
    if (EndsWith(word, "y"))
        return word.size() > 1 && IsVowel(word[word.size() - 2]) ? word + "s"
                                                                 : Cut(word, 1) + "ies";
    return word + "s";
}

std::string TWordMorpher::InflectVerb(const std::string &word, int kind) const
{
    if (word.size() < 2)
        return {};
    const std::vector<std::string> line = ExceptionLine(1, word);
    if (!line.empty()) {
        auto field = [&](std::size_t i) { return i < line.size() ? line[i] : std::string(); };
        std::string form;
        if (kind == fkPast)
            form = field(1);
        else if (kind == fkPastParticiple)
            form = field(2).empty() ? field(1) : field(2);
        else if (kind == fkPresentParticiple)
            form = field(3);
        else
            form = field(4);
        if (!form.empty())
            return form;
    } else if (InList(fsDoublingVerbs, word) || (British && InList(fsBritishDoublingVerbs, word))) {
        const char last = word.back();
        if (kind == fkThirdPerson)
            return last == 's' || last == 'z' ? word + last + "es" : word + "s";
        if (kind == fkPresentParticiple)
            return word + last + "ing";
        return word + last + "ed";
    }
    const std::size_t space = word.find(' ');
    if (space != std::string::npos) {
        const std::string head = InflectVerb(word.substr(0, space), kind);
        return head.empty() ? std::string() : head + word.substr(space);
    }
    const char last = word.back();
    const char before = word[word.size() - 2];
    if (kind == fkPresentParticiple) {
        if (last == 'e' && before == 'i')
            return Cut(word, 2) + "ying";
        if (last == 'e' && before != 'e')
            return Cut(word, 1) + "ing";
        return word + "ing";
    }
    if (last == 'y') {
        if (IsVowel(before))
            return word + (kind == fkThirdPerson ? "s" : "ed");
        return Cut(word, 1) + (kind == fkThirdPerson ? "ies" : "ied");
    }
    if (last == 'e')
        return word + (kind == fkThirdPerson ? "s" : "d");
    if (kind != fkThirdPerson)
        return word + "ed";
    return word + (last == 'o' || EndsInSibilant(word) ? "es" : "s");
}

std::string TWordMorpher::InflectAdjective(const std::string &word, int kind) const
{
    if (word.size() < 2)
        return {};
    const bool comparative = kind == fkComparative;
    const std::vector<std::string> line = ExceptionLine(2, word);
    const std::size_t field = comparative ? 1 : 2;
    if (field < line.size() && !line[field].empty())
        return line[field];
    const char last = word.back();
    std::string built;
    if (last == 'e')
        built = word + (comparative ? "r" : "st");
    else if (last == 'y' && !IsVowel(word[word.size() - 2]))
        built = Cut(word, 1) + (comparative ? "ier" : "iest");
    else
        built = word + (comparative ? "er" : "est");
    if (InList(fsComparableStems, Cut(built, comparative ? 2 : 3)))
        return built;
    if (!comparative)
        return "most " + word;
    if (word.size() > 5 && word.compare(0, 2, "un") == 0)
        return "less " + word.substr(2);
    return "more " + word;
}

void TWordMorpher::InflectList(std::vector<std::string> &list, int kind) const
{
    for (std::string &word : list) {
        std::string form = Inflect(word, kind);
        word = form.empty() ? word + "*" : form;
    }
}

void TWordMorpher::AllForms(const std::string &word, int pos, std::vector<std::string> &list) const
{
    if (pos == 0) {
        list.push_back(Inflect(word, fkPlural));
    } else if (pos == 2) {
        list.push_back(Inflect(word, fkComparative));
        list.push_back(Inflect(word, fkSuperlative));
    } else if (pos == 1) {
        list.push_back(Inflect(word, fkPresentParticiple));
        list.push_back(Inflect(word, fkThirdPerson));
        list.push_back(Inflect(word, fkPast));
    }
}

int TWordMorpher::ExceptionBases(int pos, const std::string &word,
                                 std::vector<std::string> &list) const
{
    const std::string *text = ExceptionList(pos);
    if (!text || word.empty())
        return 0;
    const std::string needle = ',' + word;
    int field = 0;
    for (std::size_t at = text->find(needle); at != std::string::npos;
         at = text->find(needle, at + 1)) {
        const std::size_t end = at + needle.size();
        if (end >= text->size() || ((*text)[end] != ',' && (*text)[end] != '\n'))
            continue;
        const std::size_t lineStart = text->rfind('\n', at) + 1; // the list starts with LF
        const std::size_t baseEnd = text->find(',', lineStart);
        list.push_back(text->substr(lineStart, baseEnd - lineStart));
        field = int(std::count(text->begin() + lineStart, text->begin() + at + 1, ','));
    }
    return field;
}

int TWordMorpher::BaseForms(const std::string &word, int pos, std::vector<std::string> &list,
                            bool strict, int &kind) const
{
    const std::string w = Lower(word);
    const std::size_t n = w.size();
    auto accept = [&](const std::string &candidate) {
        if (strict) {
            const std::vector<std::string> line = ExceptionLine(pos, candidate);
            if (!line.empty()) {
                const bool listed = std::find(line.begin() + 1, line.end(), word) != line.end();
                const bool inflects = pos == 1 && Inflect(candidate, kind) == word;
                if (!listed && !inflects)
                    return;
            }
        }
        list.push_back(candidate);
    };
    auto acceptUndoubled = [&](const std::string &candidate) {
        if (strict && InList(fsDoublingVerbs, candidate))
            return;
        accept(candidate);
    };
    auto withFirstPart = [&](int partPos) {
        const std::size_t space = word.find(' ');
        if (space == std::string::npos)
            return;
        std::vector<std::string> heads;
        int headKind = 0;
        BaseForms(word.substr(0, space), partPos, heads, true, headKind);
        for (const std::string &head : heads)
            accept(head + word.substr(space));
    };

    if (pos == 0) {
        kind = fkPlural;
        if (ExceptionBases(0, w, list) || (w != word && ExceptionBases(0, word, list)))
            return int(list.size());
        if (word.size() > 4) {
            if (EndsWith(word, "ies"))
                accept(Cut(word, 3) + "y");
            if (EndsWith(word, "es") && EndsInSibilant(Cut(word, 2)))
                accept(Cut(word, 2));
            else if (EndsWith(word, "oes"))
                accept(Cut(word, 2));
            withFirstPart(0);
        }
        if (EndsWith(word, "s"))
            accept(Cut(word, 1));
    } else if (pos == 1) {
        if (word == "am") {
            kind = fkNone;
            list.push_back("be");
            return int(list.size());
        }
        if (const int field = ExceptionBases(1, w, list)) {
            kind = field == 1   ? fkPast
                   : field == 2 ? fkPastParticiple
                   : field == 3 ? fkPresentParticiple
                   : field == 4 ? fkThirdPerson
                                : fkPast;
            return int(list.size());
        }
        kind = fkThirdPerson;
        if (n > 2) {
            const char last = w.back();
            if (w.compare(n - 3, 2, "ie") == 0 && (last == 'd' || last == 's')) {
                if (last == 'd')
                    kind = fkPast;
                accept(Cut(w, 3) + "y");
                accept(Cut(w, 1));
            } else if (w[n - 2] == 'e' && (last == 'd' || last == 's')) {
                if (last == 'd')
                    kind = fkPast;
                if (n > 4 && w[n - 4] == w[n - 3] && IsDoubling(Cut(w, 3))) {
                    accept(Cut(w, 3));
                } else {
                    accept(Cut(w, 1));
                    acceptUndoubled(Cut(w, 2));
                }
            } else if (EndsWith(w, "ing")) {
                kind = fkPresentParticiple;
                if (n > 5 && w[n - 5] == w[n - 4] && IsDoubling(Cut(w, 4))) {
                    list.push_back(Cut(w, 4));
                } else {
                    list.push_back(Cut(w, 3) + "e");
                    acceptUndoubled(Cut(w, 3));
                }
            } else if (last == 's') {
                accept(Cut(w, 1));
            }
        }
        withFirstPart(1);
    } else if (pos == 2 || pos == 3) {
        if (const int field = ExceptionBases(pos, w, list)) {
            kind = field == 1 || field == 3 ? fkComparative : fkSuperlative;
            return int(list.size());
        }
        kind = fkComparative;
        if (n > 3) {
            const bool comparative = EndsWith(w, "er") && InList(fsComparableStems, Cut(w, 2));
            const bool superlative = EndsWith(w, "est") && InList(fsComparableStems, Cut(w, 3));
            if (!strict || comparative || superlative) {
                if (n >= 5 && EndsWith(w, "iest")) {
                    kind = fkSuperlative;
                    accept(Cut(w, 4) + "y");
                } else if (EndsWith(w, "ier")) {
                    accept(Cut(w, 3) + "y");
                }
                if (EndsWith(w, "est")) {
                    kind = fkSuperlative;
                    accept(Cut(w, 3));
                    accept(Cut(w, 2));
                } else if (EndsWith(w, "er")) {
                    accept(Cut(w, 2));
                    accept(Cut(w, 1));
                }
            }
        }
        if (n > 5 && w[4] == ' ') {
            const std::string head = w.substr(0, 4);
            const std::string rest = UpperKey(w.substr(5));
            if (head == "more" || head == "less" || head == "most") {
                kind = head == "most" ? fkSuperlative : fkComparative;
                accept(rest);
                if (head == "less")
                    accept("UN" + rest);
            }
        }
    }
    return int(list.size());
}

std::string TWordMorpher::FormsText(const std::string &word, int pos) const
{
    if (pos < 0 || pos > 2 || word.empty())
        return {};
    const std::vector<std::string> line = ExceptionLine(pos, word);
    if (!line.empty()) {
        if (word == "be")
            return "am,are,is,was,were,been,being";
        std::string text;
        for (std::size_t i = 1; i < line.size(); ++i) {
            if (line[i].empty())
                continue;
            if (!text.empty())
                text += i >= 5 ? ", also " : ",";
            text += line[i];
        }
        return text;
    }
    if (pos == 2) {
        std::string stem = word;
        const char last = word.back();
        if (last == 'e')
            stem = Cut(word, 1);
        else if (last == 'y' && word.size() > 1 && !IsVowel(word[word.size() - 2]))
            stem = Cut(word, 1) + "i";
        return InList(fsComparableStems, stem) ? stem + "er," + stem + "est" : std::string();
    }
    if (pos == 1 && IsDoubling(word)) {
        auto forms = [&](const std::string &d) {
            const char last = word.back();
            return (last == 's' || last == 'z' ? d + "es," : std::string()) + d + "ed," + d + "ing";
        };
        const std::string doubled = forms(Lower(word) + word.back());
        if (!InList(fsBritishDoublingVerbs, word))
            return doubled;
        const std::string single = forms(word);
        return British ? doubled + ", or [US] " + single : single + ", or [UK] " + doubled;
    }
    return {};
}

std::string TWordMorpher::ConvertSpelling(std::string_view text, int dialect) const
{
    const std::string &list = strings_[fsSpellingVariants];
    if (list.empty() || dialect == 2)
        return std::string(text);
    if (!variantsBuilt_) {
        for (std::string line : Split(list, '\n')) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const std::size_t eq = line.find('=');
            if (eq != std::string::npos && eq > 0)
                variants_.emplace(line.substr(0, eq), line.substr(eq + 1));
        }
        variantsBuilt_ = true;
    }
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsKeyChar(static_cast<unsigned char>(text[i]))) {
            out += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsKeyChar(static_cast<unsigned char>(text[end])))
            ++end;
        const std::string word(text.substr(i, end - i));
        const auto it = variants_.find(word);
        if (it == variants_.end())
            out += word;
        else if (!it->second.empty() && it->second[0] == ';')
            out += dialect == 3 ? word : it->second.substr(1);
        else
            out += it->second;
        i = end;
    }
    return out;
}
