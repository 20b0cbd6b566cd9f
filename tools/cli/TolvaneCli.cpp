#include "TolvaneCli.h"

#include "CheckCommand.h"
#include "DefineCommand.h"
#include "InputFile.h"
#include "LexCommand.h"
#include "TreeCommand.h"
#include "WordListTsv.h"

#include "DictionaryList.h"
#include "LookupText.h"
#include "NearRhymes.h"
#include "PorterStem.h"
#include "SyllableTable.h"
#include "Syllables.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

constexpr int kFound = 0, kNothing = 1, kBadUsage = 2;
// Far above any real word list; the loader keeps the whole file in memory.
constexpr qint64 kMaxInputBytes = qint64(512) << 20;

const char *const kHelp =
    "usage: tolvane-cli [--data DIR] [--offensive] COMMAND ARGUMENTS\n"
    "\n"
    "Looks words up in the word data of the application folder (or DIR), never in the\n"
    "current folder. A FILE named without a \"/\" is a file of that folder. Offensive\n"
    "words are left out of the lists unless --offensive is given.\n"
    "\n"
    "  rhymes WORD          the words that rhyme with WORD\n"
    "  phrases WORD         phrases and proper nouns that rhyme with WORD\n"
    "  near WORD            near rhymes of WORD, nearest and commonest first\n"
    "  roundex WORD         words whose endings sound like WORD's (Roundex)\n"
    "  lines WORD           lines of verse ending in a rhyme: line TAB author TAB title\n"
    "  pronunciations WORD  the pronunciation keys of WORD: key TAB rhyme group\n"
    "  syllables TEXT [--rule]  the syllable count of a line of text, by pronunciation\n"
    "                       (syllables.dat) where known; --rule counts vowel groups only\n"
    "  meter TEXT           the stress pattern of a line: / stressed, x unstressed\n"
    "  stem WORD            the Porter stem of WORD\n"
    "  get FILE KEY         the raw value of KEY in a word-list file\n"
    "  lex WORD [--rel TYPE] the word explorer's senses of WORD (part of speech, headword,\n"
    "                       synonyms, definition, examples; tab-separated), or its words of\n"
    "                       one relation (Antonyms, \"Type of\", Similar, ...)\n"
    "  dump FILE            every entry of a word-list file: key TAB value\n"
    "  build TSV OUT        write a word-list file from key TAB value lines\n"
    "  define WORD [--server HOST:PORT]... [--database NAME] [--strategy NAME]\n"
    "                       definitions from a DICT server (default: the servers of\n"
    "                       settings.ini, else dict.org:2628); with no definition, exit 1\n"
    "                       and similar words; exit 2 when no server answers, 3 when the\n"
    "                       server refuses or its answer breaks off (its status on stderr)\n"
    "\n"
    "Exit status: 0 when something was found, 1 when nothing was, 2 on bad usage or a bad\n"
    "file. In dump and build, \\\\ \\t \\n \\r stand for backslash, tab, line feed, return.\n";

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

std::string ReadFileBytes(const QString &path)
{
    return ReadInputFile(path, kMaxInputBytes);
}

} // namespace

TTolvaneCli::TTolvaneCli(const QString &dataDir, std::ostream &out, std::ostream &err)
    : dataDir_(dataDir), out_(out), err_(err)
{}

TTolvaneCli::~TTolvaneCli() = default;

const char *TTolvaneCli::HelpText()
{
    return kHelp;
}

int TTolvaneCli::Run(QStringList args)
{
    if (args.size() >= 2 && args.front() == QLatin1String("--data")) {
        dataDir_ = args.at(1);
        if (!dataDir_.endsWith(QLatin1Char('/')))
            dataDir_ += QLatin1Char('/');
        args = args.mid(2);
    }
    if (!args.isEmpty() && args.front() == QLatin1String("--offensive")) {
        showOffensive_ = true;
        args.removeFirst();
    }
    if (args.isEmpty())
        return Usage("no command given");
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out_ << kHelp << TreeCommandHelp;
        return kFound;
    }
    try {
        return Dispatch(command, args);
    } catch (const std::exception &e) {
        err_ << "tolvane-cli: " << e.what() << '\n';
        return kBadUsage;
    }
}

int TTolvaneCli::Dispatch(const QString &command, const QStringList &args)
{
    using TWordCommand = int (TTolvaneCli::*)(const QString &);
    static const std::map<QString, TWordCommand> wordCommands = {
        {"rhymes", &TTolvaneCli::Rhymes},
        {"phrases", &TTolvaneCli::Phrases},
        {"near", &TTolvaneCli::Near},
        {"roundex", &TTolvaneCli::Roundex},
        {"lines", &TTolvaneCli::Lines},
        {"pronunciations", &TTolvaneCli::Pronunciations},
        {"syllables", &TTolvaneCli::Syllables},
        {"meter", &TTolvaneCli::Meter},
        {"stem", &TTolvaneCli::Stem}};
    if (command == QLatin1String("syllables") && args.contains(QLatin1String("--range"))) {
        QStringList text = args;
        text.removeAll(QLatin1String("--range"));
        return text.isEmpty() ? Usage("missing TEXT") : SyllableRange(text.join(QLatin1Char(' ')));
    }
    if (command == QLatin1String("check")) {
        const TSyllableTable syllables = SyllableTable();
        return TCheckCommand(dataDir_ + QStringLiteral("Verse Forms/"), syllables,
                             Data("rdict.dat"), out_, err_)
            .Run(args);
    }
    if (command == QLatin1String("syllables") && args.contains(QLatin1String("--rule"))) {
        QStringList text = args;
        text.removeAll(QLatin1String("--rule"));
        return text.isEmpty() ? Usage("missing TEXT") : RuleSyllables(text.join(QLatin1Char(' ')));
    }
    if (const auto it = wordCommands.find(command); it != wordCommands.end()) {
        if (args.isEmpty())
            return Usage("missing WORD");
        // Several arguments make one text, as a phrase typed into the lookup box.
        return (this->*it->second)(args.join(QLatin1Char(' ')));
    }
    if (command == QLatin1String("lex"))
        return Lex(args);
    if (command == QLatin1String("define"))
        return DefineCommand::Run(args, out_, err_);
    if (command == QLatin1String("dump"))
        return args.size() == 1 ? Dump(args.at(0)) : Usage("dump takes FILE");
    if (command == QLatin1String("get"))
        return args.size() == 2 ? Get(args.at(0), args.at(1)) : Usage("get takes FILE KEY");
    if (command == QLatin1String("tree"))
        return RunTreeCommand(args, dataDir_, out_, err_);
    if (command == QLatin1String("build"))
        return args.size() == 2 ? Build(args.at(0), args.at(1)) : Usage("build takes TSV OUT");
    return Usage("unknown command");
}

int TTolvaneCli::Lex(const QStringList &args)
{
    std::vector<std::string> words;
    for (const QString &arg : args)
        words.push_back(Utf8(arg));
    return TLexCommand(QFile::encodeName(dataDir_).toStdString(), out_, err_).Run(words);
}

int TTolvaneCli::Usage(const char *message)
{
    err_ << "tolvane-cli: " << message << "\n\n" << kHelp << TreeCommandHelp;
    return kBadUsage;
}

QString TTolvaneCli::ResolveFile(const QString &file) const
{
    // A bare name never means the current folder: a stray rdict.dat there must not be read.
    return file.contains(QLatin1Char('/')) ? file : dataDir_ + file;
}

const TDIAnsiStringHash &TTolvaneCli::Data(const char *fileName)
{
    const QString path = ResolveFile(QString::fromUtf8(fileName));
    auto &slot = lists_[path];
    if (!slot) {
        const std::string bytes = ReadFileBytes(path);
        auto list = std::make_unique<TDIAnsiStringHash>();
        try {
            list->LoadFromBytes(bytes, TDIAnsiStringHash::AllChecks, 0);
        } catch (const std::exception &e) {
            throw std::runtime_error(Utf8(path) + ": " + e.what());
        }
        slot = std::move(list);
    }
    return *slot;
}

int TTolvaneCli::PrintList(std::string_view value)
{
    int printed = 0;
    std::size_t begin = 0;
    while (begin <= value.size()) {
        std::size_t end = value.find('#', begin);
        if (end == std::string_view::npos)
            end = value.size();
        if (end > begin) {
            out_ << value.substr(begin, end - begin) << '\n';
            ++printed;
        }
        begin = end + 1;
    }
    return printed ? kFound : kNothing;
}

TRhymeLookup TTolvaneCli::RhymeLookup()
{
    const bool hasLines = QFileInfo(ResolveFile(QStringLiteral("rpoetry.dat"))).isFile();
    return TRhymeLookup(Data("rdict.dat"), hasLines ? &Data("rpoetry.dat") : nullptr,
                        showOffensive_);
}

std::string TTolvaneCli::RhymeWord(const QString &typed)
{
    // As the panels look the current word up: normalised, then folded for lookup.
    return Utf8(FoldLookupText(TDictionaryList::Normalize(typed)));
}

int TTolvaneCli::Rhymes(const QString &word)
{
    const TRhymeLookup lookup = RhymeLookup();
    const std::string typed = RhymeWord(word);
    // As the rhymes list does: an inflected form without entry shows its stem's rhymes.
    return PrintList(lookup.Rhymes(lookup.GroupOf(typed, StemWord(typed))));
}

int TTolvaneCli::Phrases(const QString &word)
{
    const TRhymeLookup lookup = RhymeLookup();
    return PrintList(lookup.Phrases(lookup.GroupOf(RhymeWord(word))));
}

int TTolvaneCli::Near(const QString &word)
{
    const std::string lookup =
        Utf8(TDictionaryList::LookupWordOf(TDictionaryList::Normalize(word)));
    const TNearRhymes near(Data("near.dat"));
    int printed = 0;
    for (const std::string &rhyme :
         near.Lookup(NearRhymes::GroupKeysOf(Data("rdict.dat"), lookup), TNearRhymes::kListed)) {
        out_ << rhyme << '\n';
        ++printed;
    }
    return printed ? kFound : kNothing;
}

int TTolvaneCli::Roundex(const QString &word)
{
    const QString lookup = TDictionaryList::LookupWordOf(TDictionaryList::Normalize(word));
    return PrintList(TRhymeLookup::ListValue(
        Data("sdxdict.dat"), Utf8(TDictionaryList::RoundexCode(lookup)), showOffensive_));
}

int TTolvaneCli::Lines(const QString &word)
{
    const TRhymeLookup lookup = RhymeLookup();
    const std::string value = lookup.Lines(lookup.GroupOf(RhymeWord(word)));
    const TDIAnsiStringHash &lines = Data("rpoetry.dat");
    int printed = 0;
    for (const QString &item : QString::fromUtf8(value).split('#', Qt::SkipEmptyParts)) {
        const qsizetype at = item.indexOf('@');
        if (at < 0)
            continue;
        const QString source =
            QString::fromUtf8(lines.Lookup(Utf8(item.left(at) + QLatin1String("[P]"))));
        const qsizetype split = source.indexOf('@');
        const QString author = split < 0 ? source : source.left(split);
        const QString title = split < 0 ? QString() : source.mid(split + 1);
        out_ << Utf8(item.mid(at + 1)) << '\t' << Utf8(author) << '\t' << Utf8(title) << '\n';
        ++printed;
    }
    return printed ? kFound : kNothing;
}

int TTolvaneCli::Pronunciations(const QString &word)
{
    const TDIAnsiStringHash &rdict = Data("rdict.dat");
    const std::string base = Utf8(TDictionaryList::LookupWordOf(TDictionaryList::Normalize(word)));
    int printed = 0;
    for (int k = 0; k <= 4; ++k) {
        const std::string key = k == 0 ? base : base + "(" + std::to_string(k) + ")";
        if (const std::string_view group = rdict.Lookup(key); !group.empty()) {
            out_ << key << '\t' << group << '\n';
            ++printed;
        }
    }
    return printed ? kFound : kNothing;
}

TSyllableTable TTolvaneCli::SyllableTable()
{
    // Without the table every word goes by the rule, as in the editor.
    if (!QFileInfo(ResolveFile(QStringLiteral("syllables.dat"))).isFile())
        return TSyllableTable();
    return TSyllableTable(&Data("syllables.dat"));
}

int TTolvaneCli::PrintCount(int count)
{
    out_ << count << '\n';
    return count > 0 ? kFound : kNothing;
}

int TTolvaneCli::Syllables(const QString &text)
{
    return PrintCount(SyllableTable().CountLine(text));
}

int TTolvaneCli::SyllableRange(const QString &text)
{
    const TLineCounts counts = SyllableTable().CountsOfLine(text);
    out_ << counts.min << '-' << counts.max << '\n';
    return counts.max > 0 ? kFound : kNothing;
}

int TTolvaneCli::RuleSyllables(const QString &text)
{
    return PrintCount(CountLineSyllables(text));
}

int TTolvaneCli::Meter(const QString &text)
{
    const QString meter = SyllableTable().MeterOfLine(text);
    if (meter.isEmpty())
        return kNothing;
    out_ << Utf8(meter) << '\n';
    return kFound;
}

int TTolvaneCli::Stem(const QString &word)
{
    const std::string stem = StemWord(Utf8(TDictionaryList::Normalize(word)));
    if (stem.empty())
        return kNothing;
    out_ << stem << '\n';
    return kFound;
}

int TTolvaneCli::Get(const QString &file, const QString &key)
{
    const std::string_view value = Data(Utf8(file).c_str()).Lookup(Utf8(key));
    if (value.empty())
        return kNothing;
    out_ << value << '\n';
    return kFound;
}

int TTolvaneCli::Dump(const QString &file)
{
    Data(Utf8(file).c_str()); // the loader's checks and messages first
    const TWordListEntries entries = DecodeWordList(ReadFileBytes(ResolveFile(file)));
    for (const auto &[key, value] : entries)
        out_ << EscapeTsvField(key) << '\t' << EscapeTsvField(value) << '\n';
    return entries.empty() ? kNothing : kFound;
}

int TTolvaneCli::Build(const QString &tsv, const QString &out)
{
    TDIWordListWriter writer;
    for (const auto &[key, value] : ParseTsv(ReadFileBytes(tsv)))
        writer.Add(key, value);
    writer.SaveToFile(out);
    return kFound;
}
