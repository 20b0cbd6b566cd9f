// Checks of the word data the build writes into the application folder, made the way a user
// meets it: through tolvane-cli and the word-list loader.
#include "DIAnsiStringHash.h"
#include "Roundex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR "/");

struct TCliOutput
{
    int status = -1;
    QStringList lines;
};

TCliOutput Cli(const QStringList &args)
{
    QProcess process;
    process.start(kAppDir + "tolvane-cli", args);
    TCliOutput result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    if (!result.lines.isEmpty() && result.lines.back().isEmpty())
        result.lines.removeLast();
    return result;
}

QStringList Rhymes(const QString &word)
{
    return Cli({"rhymes", word}).lines;
}

} // namespace

TEST(BuiltData, FilesLoadWithTheProgramsLoader)
{
    for (const char *name : {"rdict.dat", "sdxdict.dat", "rpoetry.dat"}) {
        TDIAnsiStringHash list;
        ASSERT_NO_THROW(list.LoadFromFile(kAppDir + name)) << name;
        EXPECT_GT(list.Count(), 1000u) << name;
    }
}

TEST(BuiltData, LoveRhymesWithItsEverydayRhymes)
{
    const QStringList rhymes = Rhymes("love");
    for (const char *word : {"above", "dove", "glove", "shove", "love"})
        EXPECT_TRUE(rhymes.contains(word)) << word;
    // One-syllable rhymes lead the list.
    ASSERT_FALSE(rhymes.isEmpty());
    EXPECT_LT(rhymes.indexOf("glove"), rhymes.indexOf("above"));
}

TEST(BuiltData, ReadHasAPronunciationThatRhymesWithRed)
{
    const TCliOutput variants = Cli({"pronunciations", "read"});
    ASSERT_EQ(variants.status, 0);
    EXPECT_GE(variants.lines.size(), 2);
    bool red = false, need = false;
    for (const QString &line : variants.lines) {
        const QStringList rhymes = Rhymes(line.section('\t', 0, 0));
        red = red || rhymes.contains("red");
        need = need || rhymes.contains("need");
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(need);
}

TEST(BuiltData, OrangeHasFewRhymesButNightHasMany)
{
    const QStringList orange = Rhymes("orange");
    EXPECT_TRUE(orange.contains("orange"));
    EXPECT_LE(orange.size(), 5);
    EXPECT_GE(Rhymes("night").size(), 30);
}

TEST(BuiltData, PhrasesOfLovesGroupEndInLove)
{
    const TCliOutput phrases = Cli({"phrases", "love"});
    ASSERT_EQ(phrases.status, 0);
    const auto endsInLove = [](const QString &p) {
        return p.contains(' ') && p.endsWith(QLatin1String(" love"));
    };
    EXPECT_GE(std::count_if(phrases.lines.begin(), phrases.lines.end(), endsInLove), 5);
    EXPECT_TRUE(phrases.lines.contains("labor of love") || phrases.lines.contains("true love"));
    // Real words belong to the rhymes list, not here.
    EXPECT_FALSE(phrases.lines.contains("glove"));
}

TEST(BuiltData, CommonWordsHaveRhymeLinesWithAuthors)
{
    for (const char *word : {"day", "night", "heart", "love"}) {
        const TCliOutput lines = Cli({"lines", word});
        ASSERT_EQ(lines.status, 0) << word;
        int withAuthor = 0;
        for (const QString &line : lines.lines) {
            const QStringList fields = line.split('\t');
            ASSERT_EQ(fields.size(), 3) << line.toStdString();
            EXPECT_FALSE(fields[0].trimmed().isEmpty());
            EXPECT_FALSE(fields[0].contains('#') || fields[0].contains('@'));
            withAuthor += !fields[1].isEmpty();
        }
        EXPECT_GE(withAuthor, 5) << word;
    }
}

TEST(BuiltData, AuthorsAreWrittenOut)
{
    const TCliOutput lines = Cli({"lines", "night"});
    QStringList authors;
    for (const QString &line : lines.lines)
        authors << line.section('\t', 1, 1);
    EXPECT_TRUE(authors.contains("William Shakespeare"));
    EXPECT_TRUE(authors.contains("John Milton"));
    EXPECT_FALSE(authors.contains("Shak"));
    EXPECT_FALSE(authors.contains("Shak."));
}

TEST(BuiltData, NoWordHoldsADigit)
{
    const auto hasDigit = [](QStringView text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    };
    for (const char *file : {"rdict.dat", "sdxdict.dat"}) {
        const TCliOutput dump = Cli({"dump", file});
        ASSERT_EQ(dump.status, 0) << file;
        ASSERT_GT(dump.lines.size(), 1000);
        const bool wordKeys = file == std::string("rdict.dat"); // sdxdict keys are codes
        int offending = 0;
        for (const QString &line : dump.lines) {
            const qsizetype tab = line.indexOf('\t');
            QStringView key = QStringView(line).left(tab);
            // Only the pronunciation suffixes "(1)" to "(4)" of the keys carry digits.
            if (key.size() > 3 && key.endsWith(')') && key[key.size() - 3] == '(')
                key.chop(3);
            offending += (wordKeys && hasDigit(key)) || hasDigit(QStringView(line).mid(tab + 1));
        }
        EXPECT_EQ(offending, 0) << file;
    }
}

TEST(BuiltData, RoundexOfCatHoldsItsSoundAlikes)
{
    ASSERT_EQ(RoundexCode("kit"), "T200");
    ASSERT_EQ(RoundexCode("scat"), "T200");
    const TCliOutput roundex = Cli({"roundex", "cat"});
    ASSERT_EQ(roundex.status, 0);
    EXPECT_TRUE(roundex.lines.contains("kit"));
    EXPECT_TRUE(roundex.lines.contains("scat"));
    QStringList sorted = roundex.lines;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, roundex.lines);
}

TEST(BuiltData, VerseFormsAndSamplesAreInTheApplicationFolder)
{
    const QDir forms(kAppDir + "Verse Forms");
    const QStringList patterns = forms.entryList({"*.txt"}, QDir::Files);
    EXPECT_GE(patterns.size(), 12);
    for (const char *form : {"Shakespearean Sonnet", "Petrarchan Sonnet", "Villanelle", "Limerick",
                             "Haiku", "Sestina"})
        EXPECT_TRUE(patterns.contains(QString(form) + ".txt")) << form;
    for (const QString &pattern : patterns)
        EXPECT_TRUE(
            QFileInfo::exists(forms.filePath(QFileInfo(pattern).completeBaseName() + ".html")))
            << pattern.toStdString();
    EXPECT_GE(QDir(kAppDir + "Samples").entryList({"*.txt"}, QDir::Files).size(), 5);
}

TEST(BuiltData, PatternRowsGiveRhymeAndSyllables)
{
    // "a 10", "a 8-9", "a 10+", "A1 10 refrain", "x 5", "B..E 10": a rhyme mark, a count (a
    // range, or a feminine ending allowed), an optional note.
    const QRegularExpression row(
        QStringLiteral("^([A-Za-z][12]?|[A-F]\\.\\.[A-F]) \\d+(-\\d+|\\+)?( .+)?$"));
    const QDir forms(kAppDir + "Verse Forms");
    for (const QString &name : forms.entryList({"*.txt"}, QDir::Files)) {
        QFile file(forms.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(file.readAll()).split('\n');
        EXPECT_GE(rows.size(), 4) << name.toStdString();
        for (const QString &r : rows)
            EXPECT_TRUE(r.isEmpty() || row.match(r).hasMatch())
                << name.toStdString() << ": " << r.toStdString();
    }
}

TEST(BuiltData, SpellingsOfTheSameUnstressedSoundsShareAGroup)
{
    const struct
    {
        const char *word, *rhyme;
        bool rhymes;
    } cases[] = {
        {"hated", "waited", true},  {"hated", "created", true}, {"fire", "admire", true},
        {"hated", "heated", false}, {"needed", "ended", false}, // stressed vowels stay exact
    };
    for (const auto &c : cases)
        EXPECT_EQ(Rhymes(c.word).contains(c.rhyme), c.rhymes) << c.word << " / " << c.rhyme;
}

TEST(BuiltData, CompoundsRhymeOnTheirLastStressAndKeepTheirOwnGroup)
{
    EXPECT_TRUE(Rhymes("night").contains("midnight"));
    EXPECT_TRUE(Rhymes("sky").contains("butterfly"));
    EXPECT_TRUE(Rhymes("midnight").contains("midnight"));
    EXPECT_TRUE(Rhymes("midnight").contains("night"));
}

TEST(BuiltData, WeakFormsOfFunctionWordsAreNoRhymes)
{
    const QStringList sun = Rhymes("sun");
    ASSERT_TRUE(sun.contains("fun"));
    EXPECT_FALSE(sun.contains("can"));
    EXPECT_FALSE(sun.contains("than"));
}

TEST(BuiltData, CommonRhymeListsHoldOnlyWords)
{
    const char *const common[] = {
        "love",  "heart",  "time",  "day",   "night", "fire", "rain",    "sun",  "moon",  "dream",
        "you",   "me",     "go",    "way",   "light", "eyes", "soul",    "home", "free",  "mind",
        "life",  "away",   "true",  "know",  "see",   "door", "cold",    "sky",  "blue",  "gone",
        "fall",  "down",   "alone", "again", "feel",  "stay", "tonight", "run",  "sea",   "end",
        "tears", "friend", "kiss",  "fight", "sweet", "rose", "hand",    "song", "world", "word"};
    const QRegularExpression vowel(QStringLiteral("[aeiouyAEIOUY]"));
    // 's after these is "is" or "us", not a possessive.
    const QStringList contractions = {"he's",    "here's", "how's",   "it's",   "let's",
                                      "she's",   "that's", "there's", "what's", "when's",
                                      "where's", "who's",  "why's"};
    for (const char *word : common)
        for (const QString &rhyme : Rhymes(word)) {
            EXPECT_FALSE(rhyme.size() == 1 && !QStringLiteral("aio").contains(rhyme))
                << word << ": " << rhyme.toStdString();
            EXPECT_TRUE(rhyme.contains(vowel)) << word << ": " << rhyme.toStdString();
            const bool possessive =
                rhyme.endsWith(QLatin1String("'s")) || rhyme.endsWith(QLatin1String("s'"));
            EXPECT_FALSE(possessive && !contractions.contains(rhyme))
                << word << ": " << rhyme.toStdString();
        }
}
