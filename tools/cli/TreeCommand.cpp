#include "TreeCommand.h"

#include "DictionaryList.h"
#include "IniFile.h"
#include "LexBaseForms.h"
#include "MTStream.h"
#include "ThesaurusTree.h"

#include <QBuffer>

const char *const TreeCommandHelp =
    "  tree WORD [--context N|NAME] [--levels L1 L2]\n"
    "                       the visual thesaurus tree of WORD as a text outline; the context is\n"
    "                       the Nth of the word's contexts (from 1) or the first so named; L1\n"
    "                       and L2 limit the two generations (default: settings.ini, else 4, 7)\n";

namespace {

constexpr int kFound = 0, kNothing = 1, kBadUsage = 2;

struct TTreeArgs
{
    QString word;
    QString context;
    TTreeLimits limits;
};

bool ParseLimit(const QString &text, int &limit)
{
    bool ok = false;
    limit = text.toInt(&ok);
    return ok && limit >= 0;
}

// Fills args from the command line; an error message, or empty when the line is good.
QString ParseArgs(const QStringList &line, TTreeArgs &args)
{
    QStringList words;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1String("--context")) {
            if (i + 1 >= line.size())
                return QStringLiteral("--context takes NAME");
            args.context = line[++i];
        } else if (line[i] == QLatin1String("--levels")) {
            if (i + 2 >= line.size() || !ParseLimit(line[i + 1], args.limits.level1) ||
                !ParseLimit(line[i + 2], args.limits.level2))
                return QStringLiteral("--levels takes two numbers from 0");
            i += 2;
        } else {
            words << line[i];
        }
    }
    if (words.isEmpty())
        return QStringLiteral("missing WORD");
    args.word = TDictionaryList::LookupWordOf(TDictionaryList::Normalize(words.join(' ')));
    return {};
}

// A number from 1 picks by position (two contexts may share a name), else the first so named;
// -1 when neither fits.
int ContextIndex(const QString &asked, const QStringList &names)
{
    bool number = false;
    const int position = asked.toInt(&number);
    if (number && position >= 1 && position <= names.size())
        return position - 1;
    return static_cast<int>(names.indexOf(asked));
}

} // namespace

int RunTreeCommand(const QStringList &line, const QString &dataDir, std::ostream &out,
                   std::ostream &err)
{
    const TIniFile settings(dataDir + QStringLiteral("settings.ini"));
    const QString section = QStringLiteral("HyperbolicThesaurus");
    TTreeArgs args;
    args.limits.level1 = settings.ReadInteger(section, QStringLiteral("HyperTreeVisualLevel1"), 4);
    args.limits.level2 = settings.ReadInteger(section, QStringLiteral("HyperTreeVisualLevel2"), 7);
    if (const QString problem = ParseArgs(line, args); !problem.isEmpty()) {
        err << "tolvane-cli: " << problem.toStdString() << "\n\n" << TreeCommandHelp;
        return kBadUsage;
    }
    TThesaurus engine(dataDir + QStringLiteral("thesaurus.idx"),
                      dataDir + QStringLiteral("thesaurus.dat"));
    engine.SetBaseForms(TLexBaseForms::Shared(dataDir + QStringLiteral("cz.lex")));
    TThesaurusTree builder(engine);
    TMTNodes nodes;
    // As in the panel: the word's contexts are listed first, then one of them may be chosen.
    if (!builder.Rebuild(nodes, args.word, -1, args.limits))
        return kNothing;
    if (!args.context.isEmpty()) {
        QStringList names;
        for (const TThesaurusContext &context : builder.Contexts())
            names << context.word;
        const int index = ContextIndex(args.context, names);
        if (index < 0) {
            err << "tolvane-cli: no context \"" << args.context.toStdString()
                << "\"; the contexts are: " << names.join(QStringLiteral(", ")).toStdString()
                << " (or their numbers, 1 to " << names.size() << ")\n";
            return kBadUsage;
        }
        builder.Rebuild(nodes, args.word, index, args.limits);
    }
    QBuffer outline;
    outline.open(QIODevice::WriteOnly);
    WriteOutline(nodes, outline, false);
    out << outline.data().toStdString();
    return kFound;
}
