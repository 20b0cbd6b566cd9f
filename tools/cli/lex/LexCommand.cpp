#include "LexCommand.h"

#include "Latin1Text.h"
#include "LexDatabase.h"
#include "LexError.h"
#include "WordUtils.h"

namespace {

// Database text is 8-bit; the terminal gets UTF-8.
std::string Utf8(const std::string &text)
{
    return Latin1Text::ToUtf8(text);
}

bool IsLatin1Letter(char32_t c)
{
    return c == 0xAA || c == 0xB5 || c == 0xBA || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// The letters of a name in lower case. Relation names are ASCII, so any other letter (anything
// past Latin-1 counts as one) stands as a character no name holds.
std::string Simplified(std::string_view name)
{
    std::string out;
    for (char32_t c : Latin1Text::Decode(name)) {
        if (c >= 'A' && c <= 'Z')
            out += char(c + 32);
        else if (c >= 'a' && c <= 'z')
            out += char(c);
        else if (c > 0x7F && (c > 0xFF || IsLatin1Letter(c)))
            out += '\0';
    }
    return out;
}

std::string WordList(const std::vector<TSynsetWord> &words)
{
    std::string out;
    for (const TSynsetWord &w : words) {
        if (!out.empty())
            out += ", ";
        out += w.Word;
        if (w.Flags & WordUtils::RegisterFlags)
            out += " [" + WordUtils::FlagLabels(w.Flags) + "]";
    }
    return out;
}

// Examples as the window shows them: "^" is the headword.
std::string Examples(const TSynset &sense)
{
    std::string out;
    for (std::string example : sense.Examples) {
        for (std::size_t at = example.find('^'); at != std::string::npos;
             at = example.find('^', at + sense.Headword.size())) {
            example.replace(at, 1, sense.Headword);
            if (sense.Words.size() + 1 >= 2)
                break;
        }
        out += (out.empty() ? "" : "; ") + WordUtils::QuotedExample(example);
    }
    return out;
}

} // namespace

TLexCommand::TLexCommand(std::string dataDir, std::ostream &out, std::ostream &err)
    : dataDir_(std::move(dataDir)), out_(out), err_(err)
{}

int TLexCommand::RelationByName(std::string_view name)
{
    for (int type = 0; type < RelationTypeCount; ++type)
        if (Simplified(RelationName(type)) == Simplified(name))
            return type;
    return -1;
}

int TLexCommand::Run(const std::vector<std::string> &args)
{
    std::string words;
    bool anyWord = false;
    int relation = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--rel") {
            if (i + 1 >= args.size() || (relation = RelationByName(args[++i])) < 0) {
                err_ << "lex: --rel takes one of Synonyms, Antonyms, Attribs, Causes, Derived, "
                        "Entails, Parts, \"Type of\", Types, \"Part of\", Participle, "
                        "\"See also\", Similar\n";
                return 2;
            }
        } else {
            words += (anyWord ? " " : "") + args[i];
            anyWord = true;
        }
    }
    if (!anyWord) {
        err_ << "lex: missing WORD\n";
        return 2;
    }
    const std::string word = Latin1Text::FromUtf8Trimmed(words);
    try {
        TLexDatabase db;
        db.SetFileName(dataDir_ + "cz.lex");
        TLexFileGuard guard(db);
        db.Lookup(word);
        TWordLookup &query = db.Query();
        if (query.Senses().empty())
            return 1;
        if (relation >= 0) {
            const std::vector<TSynsetWord> &related = query.RelatedByTypes(1u << relation);
            for (const TSynsetWord &w : related)
                out_ << Utf8(WordList({w})) << "\n";
            return related.empty() ? 1 : 0;
        }
        for (const auto &sense : query.Senses())
            out_ << WordUtils::LongPosName(sense->PartOfSpeech) << '\t' << Utf8(sense->Headword)
                 << '\t' << Utf8(WordList(sense->Words)) << '\t' << Utf8(sense->Gloss) << '\t'
                 << Utf8(Examples(*sense)) << "\n";
        return 0;
    } catch (const ELexError &e) {
        err_ << "lex: " << e.what() << "\n";
        return 2;
    }
}
