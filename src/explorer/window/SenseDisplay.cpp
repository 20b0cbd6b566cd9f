#include "SenseDisplay.h"

#include "LexDatabase.h"
#include "LexText.h"
#include "WordUtils.h"

using namespace WordUtils;

namespace {

std::string Labelled(const TSynsetWord &word)
{
    if (!(word.Flags & RegisterFlags))
        return word.Word;
    return word.Word + " [" + FlagLabels(word.Flags) + "]";
}

// "bank[2]" is shown as "bank²".
std::string ShownHeadword(const std::string &headword)
{
    const std::size_t bracket = headword.find('[');
    if (bracket == std::string::npos)
        return headword;
    return headword.substr(0, bracket) + "\xB2";
}

std::string HeadingText(const TLexDatabase &db, const TSynset &sense)
{
    const std::string name =
        sense.ClassLabel.empty() ? LongPosName(sense.PartOfSpeech) : sense.ClassLabel;
    std::string text = name + ": " + ShownHeadword(sense.Headword);
    const std::string forms = db.Morpher().FormsText(sense.Headword, sense.PartOfSpeech);
    if (!forms.empty())
        text += " (" + forms + ")";
    return text;
}

bool ShowsExample(const std::string &example, const std::vector<std::string> &words)
{
    if (example.find('^') != std::string::npos)
        return true;
    for (const std::string &w : words)
        if (!w.empty() && ContainsWord(w, example))
            return true;
    return false;
}

std::string ExamplesText(TLexDatabase &db, const TSynset &sense, const std::string &lookedUp)
{
    const bool single = sense.AllWords.size() < 2;
    std::vector<std::string> words{sense.Headword, lookedUp};
    if (!single) {
        TWordMorpher &morpher = db.Morpher();
        const bool force = morpher.ForcePlural;
        morpher.ForcePlural = true;
        morpher.AllForms(sense.Headword, sense.PartOfSpeech, words);
        morpher.ForcePlural = force;
    }
    std::string text;
    for (std::string example : sense.Examples) {
        if (!single && !ShowsExample(example, words))
            continue;
        for (std::size_t at = example.find('^'); at != std::string::npos;
             at = single ? example.find('^', at + sense.Headword.size()) : std::string::npos) {
            example.replace(at, 1, sense.Headword);
        }
        if (!text.empty())
            text += "; ";
        text += QuotedExample(example);
    }
    return text;
}

std::string DefinitionText(const TLexDatabase &db, const TSynset &sense, std::uint32_t posFlags)
{
    std::string gloss = db.Morpher().ConvertSpelling(sense.Gloss, 0);
    if (!gloss.empty() && gloss[0] >= 'a' && gloss[0] <= 'z')
        gloss[0] = char(gloss[0] - 'a' + 'A');
    if (sense.HeadwordFlags != posFlags && sense.HeadwordFlags)
        gloss = "[" + FlagLabels(sense.HeadwordFlags) + "] " + gloss;
    return gloss;
}

std::string NumberHint(const TSynset &sense)
{
    std::string hint;
    for (const TSynsetWord &w : sense.Words) {
        if (!hint.empty())
            hint += '\n';
        hint += Labelled(w);
    }
    return hint;
}

void AddHeading(TSenseDisplay &shown, const TLexDatabase &db, const TSynset &sense,
                const TWordRootInfo *root)
{
    shown.StartsHeading = true;
    shown.Heading = LexText::ToQString(HeadingText(db, sense));
    if (!root)
        return;
    const char letter = PosLetters[sense.PartOfSpeech];
    const std::string codes = PronunciationFor(root->Info, letter, 0);
    if (!codes.empty()) {
        shown.Pronunciation = LexText::ToQString(ShowPronunciation(codes, 0));
        shown.PronunciationHint = LexText::ToQString(PronunciationKey(codes, 0, false) + "  ");
    }
    if (const std::uint32_t flags = FlagsFor(root->Info, letter)) {
        std::string usage = "Usage: " + FlagLabels(flags);
        const std::string variant = VariantOf(root->Info);
        if (!variant.empty())
            usage += " (=" + variant + ")";
        shown.Usage = LexText::ToQString(usage);
        shown.Variant = LexText::ToQString(variant);
    }
}

} // namespace

namespace SenseDisplay {

std::vector<TSenseDisplay> Build(TLexDatabase &db, const std::string &lookedUp)
{
    TWordLookup &query = db.Query();
    const auto &all = query.Senses();
    std::vector<TSenseDisplay> list;
    const TSynset *previous = nullptr;
    int number = 0;
    for (const TSynset *sense : query.ShownSenses()) {
        TSenseDisplay shown;
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i].get() == sense)
                shown.SenseIndex = int(i);
        shown.PartOfSpeech = sense->PartOfSpeech;
        const auto root = query.RootInfo().find(sense->Headword);
        const TWordRootInfo *info = root == query.RootInfo().end() ? nullptr : &root->second;
        if (!previous || previous->Headword != sense->Headword ||
            previous->PartOfSpeech != sense->PartOfSpeech ||
            previous->ClassLabel != sense->ClassLabel) {
            AddHeading(shown, db, *sense, info);
            number = 0;
        }
        const std::uint32_t posFlags =
            info ? FlagsFor(info->Info, PosLetters[sense->PartOfSpeech]) : 0;
        shown.Definition = LexText::ToQString(DefinitionText(db, *sense, posFlags));
        shown.Examples = LexText::ToQString(ExamplesText(db, *sense, lookedUp));
        shown.Number = ++number;
        shown.NumberHint = LexText::ToQString(NumberHint(*sense));
        list.push_back(std::move(shown));
        previous = sense;
    }
    return list;
}

QString ListText(const TSynsetWord &word)
{
    return LexText::ToQString(Labelled(word));
}

QString PlainWord(const QString &item)
{
    QString word = item;
    const qsizetype bracket = word.indexOf(QLatin1String(" ["));
    if (bracket >= 0)
        word.truncate(bracket);
    if (word.endsWith(QLatin1Char('*')))
        word.chop(1);
    return word;
}

} // namespace SenseDisplay
