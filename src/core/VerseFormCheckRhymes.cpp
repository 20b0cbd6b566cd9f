#include "VerseFormCheckRhymes.h"

#include "DIAnsiStringHash.h"

#include <algorithm>
#include <array>

namespace {

bool IsWordPart(QChar ch)
{
    return ch.isLetterOrNumber();
}

bool IsInnerMark(QChar ch)
{
    return ch == u'\'' || ch == u'\u2019' || ch == u'-';
}

// Accented letters as the word lists spell them (café as cafe); other characters as they are.
std::string Folded(const QString &word)
{
    QString folded;
    for (const QChar ch : word) {
        const QString decomposed = ch.decomposition();
        folded += !decomposed.isEmpty() && decomposed.at(0).unicode() < 128 ? decomposed.at(0) : ch;
    }
    return folded.toLower().toStdString();
}

void AddForm(std::vector<std::string> &forms, std::string form)
{
    if (!form.empty() && std::find(forms.begin(), forms.end(), form) == forms.end())
        forms.push_back(std::move(form));
}

// The full forms a poet's elision stands for.
void AddElidedForms(std::vector<std::string> &forms, const std::string &word)
{
    static constexpr std::pair<std::string_view, std::string_view> kWhole[] = {
        {"o'er", "over"}, {"e'er", "ever"}, {"ne'er", "never"}, {"'tis", "is"}, {"'twas", "was"}};
    for (const auto &[elided, full] : kWhole)
        if (word == elided)
            AddForm(forms, std::string(full));
    const auto stem = [&word](std::size_t cut) { return word.substr(0, word.size() - cut); };
    if (word.size() > 2 && word.ends_with("'d")) {
        AddForm(forms, stem(2) + "ed");
        AddForm(forms, stem(2) + "d");
    } else if (word.size() > 3 && word.ends_with("'st")) {
        AddForm(forms, stem(3));
        AddForm(forms, stem(3) + "e");
        AddForm(forms, stem(3) + "est");
    } else if (word.size() > 2 && word.ends_with("'s"))
        AddForm(forms, stem(2));
    if (const std::size_t mark = word.find('\''); mark != std::string::npos && mark > 0) {
        std::string full = word; // heav'n as heaven, ev'ry as every
        full[mark] = 'e';
        AddForm(forms, full);
    }
}

// The rest of a group key from its last vowel, when that vowel is long and not the key's first;
// empty otherwise. Keys are phonemes without stress marks, such as "AO R T AH L AY Z".
std::string_view WeakSyllable(std::string_view group)
{
    static constexpr std::string_view kLong[] = {"AO", "AW", "AY", "EY", "OW", "OY", "UW"};
    std::size_t end = group.size();
    while (end > 0) {
        const std::size_t space = group.rfind(' ', end - 1);
        const std::size_t from = space == std::string_view::npos ? 0 : space + 1;
        const std::string_view phoneme = group.substr(from, end - from);
        if (!phoneme.empty() &&
            std::string_view("AEIOU").find(phoneme.front()) != std::string_view::npos) {
            const bool isLong =
                std::find(std::begin(kLong), std::end(kLong), phoneme) != std::end(kLong);
            return isLong && from > 0 ? group.substr(from) : std::string_view();
        }
        if (space == std::string_view::npos)
            break;
        end = space;
    }
    return {};
}

bool Shares(const std::vector<std::string_view> &a, const std::vector<std::string_view> &b)
{
    return std::any_of(a.begin(), a.end(), [&b](std::string_view group) {
        return std::find(b.begin(), b.end(), group) != b.end();
    });
}

constexpr std::string_view kPrefixes[] = {"un",    "re",  "dis", "mis",  "be", "over",
                                          "under", "out", "up",  "fore", "in", "im"};

} // namespace

QString LastWordOf(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && !IsWordPart(line.at(end - 1)))
        --end;
    qsizetype begin = end;
    while (begin > 0 &&
           (IsWordPart(line.at(begin - 1)) ||
            (begin > 1 && IsInnerMark(line.at(begin - 1)) && IsWordPart(line.at(begin - 2)))))
        --begin;
    // An elision mark before the word belongs to it ('tis) and one after it too (th').
    if (begin > 0 && (line.at(begin - 1) == u'\'' || line.at(begin - 1) == u'\u2019'))
        --begin;
    QString word = line.mid(begin, end - begin).toLower();
    word.replace(u'\u2019', u'\'');
    return word;
}

void TRhymeMatcher::AddGroups(TRhymeWord &word, const std::string &form) const
{
    const auto add = [&word](std::string_view group) {
        if (!group.empty() &&
            std::find(word.groups.begin(), word.groups.end(), group) == word.groups.end())
            word.groups.push_back(group);
    };
    add(rhymes_.Lookup(form));
    for (char k = '1'; k <= '4'; ++k)
        add(rhymes_.Lookup(form + '(' + k + ')'));
    for (const std::string_view group : word.groups)
        if (const std::string_view weak = WeakSyllable(group);
            !weak.empty() && std::find(word.weakGroups.begin(), word.weakGroups.end(), weak) ==
                                 word.weakGroups.end())
            word.weakGroups.push_back(weak);
}

TRhymeWord TRhymeMatcher::Prepare(const QString &lastWord) const
{
    TRhymeWord word;
    word.text = lastWord.toLower();
    const std::string folded = Folded(word.text);
    std::string plain = folded;
    if (plain.starts_with('\'') && plain != "'tis" && plain != "'twas")
        plain.erase(0, 1);
    AddForm(word.forms, plain);
    if (const std::size_t hyphen = plain.rfind('-'); hyphen != std::string::npos)
        AddForm(word.forms, plain.substr(hyphen + 1));
    for (std::size_t i = 0, n = word.forms.size(); i < n; ++i)
        AddElidedForms(word.forms, std::string(word.forms[i]));
    for (const std::string &form : word.forms)
        AddGroups(word, form);
    if (word.groups.empty())
        for (std::size_t i = 0, n = word.forms.size(); i < n && word.groups.empty(); ++i)
            for (const std::string_view prefix : kPrefixes)
                if (word.forms[i].size() > prefix.size() + 2 && word.forms[i].starts_with(prefix)) {
                    std::string rest = word.forms[i].substr(prefix.size());
                    AddGroups(word, rest);
                    AddForm(word.forms, std::move(rest));
                }
    return word;
}

// Whether a group's "#"-list holds one of the spellings.
bool TRhymeMatcher::Lists(std::string_view group, const std::vector<std::string> &forms) const
{
    const std::string_view list = rhymes_.Lookup(group);
    for (std::size_t from = 0; from < list.size();) {
        const std::size_t to = std::min(list.find('#', from), list.size());
        const std::string_view item = list.substr(from, to - from);
        if (std::find(forms.begin(), forms.end(), item) != forms.end())
            return true;
        from = to + 1;
    }
    return false;
}

bool TRhymeMatcher::Rhyme(const TRhymeWord &a, const TRhymeWord &b) const
{
    if (a.text.isEmpty() || b.text.isEmpty())
        return false;
    if (a.text == b.text)
        return true;
    if (Shares(a.groups, b.groups) || Shares(a.groups, b.weakGroups) ||
        Shares(a.weakGroups, b.groups) || Shares(a.weakGroups, b.weakGroups))
        return true;
    return std::any_of(a.groups.begin(), a.groups.end(),
                       [&](std::string_view group) { return Lists(group, b.forms); }) ||
           std::any_of(b.groups.begin(), b.groups.end(),
                       [&](std::string_view group) { return Lists(group, a.forms); });
}

bool WordsRhyme(const QString &a, const QString &b, const TDIAnsiStringHash &rhymes)
{
    const TRhymeMatcher matcher(rhymes);
    return matcher.Rhyme(matcher.Prepare(a), matcher.Prepare(b));
}
