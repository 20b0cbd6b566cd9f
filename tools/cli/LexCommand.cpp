#include "LexCommand.h"

#include "LexDatabase.h"
#include "LexError.h"
#include "WordUtils.h"

namespace {

// Database text is 8-bit; the terminal gets UTF-8.
std::string Utf8(const std::string &text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size())).toStdString();
}

std::string Simplified(const QString &name)
{
    std::string out;
    for (QChar c : name.toLower())
        if (c.isLetter())
            out += char(c.toLatin1());
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
        out += (out.empty() ? "\"" : "; \"") + example + "\"";
    }
    return out;
}

} // namespace

TLexCommand::TLexCommand(const QString &dataDir, std::ostream &out, std::ostream &err)
    : dataDir_(dataDir), out_(out), err_(err)
{}

int TLexCommand::RelationByName(const QString &name)
{
    for (int type = 0; type < RelationTypeCount; ++type)
        if (Simplified(QString::fromLatin1(RelationName(type))) == Simplified(name))
            return type;
    return -1;
}

int TLexCommand::Run(const QStringList &args)
{
    QStringList words;
    int relation = -1;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--rel")) {
            if (i + 1 >= args.size() || (relation = RelationByName(args.at(++i))) < 0) {
                err_ << "lex: --rel takes one of Synonyms, Antonyms, Attribs, Causes, Derived, "
                        "Entails, Parts, \"Type of\", Types, \"Part of\", Participle, "
                        "\"See also\", Similar\n";
                return 2;
            }
        } else {
            words << args.at(i);
        }
    }
    if (words.isEmpty()) {
        err_ << "lex: missing WORD\n";
        return 2;
    }
    const QByteArray word = words.join(QLatin1Char(' ')).trimmed().toLatin1();
    try {
        TLexDatabase db;
        db.SetFileName(dataDir_ + QStringLiteral("cz.lex"));
        TLexFileGuard guard(db);
        db.Lookup(word.toStdString());
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
