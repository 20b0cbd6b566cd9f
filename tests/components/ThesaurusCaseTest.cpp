// Which entry and which of its meanings a word gets, by how it is written and which word it is
// a form of (real thesaurus, real word-form rules of the built cz.lex).
#include "LexBaseForms.h"
#include "Thesaurus.h"

#include <gtest/gtest.h>

namespace {
TThesaurus &RealThesaurus()
{
    static TThesaurus thes(QStringLiteral("/usr/share/mythes/th_en_US_v2.idx"),
                           QStringLiteral("/usr/share/mythes/th_en_US_v2.dat"));
    thes.SetBaseForms(TLexBaseForms::Shared(QStringLiteral(TOLVANE_APP_DIR "/cz.lex")));
    return thes;
}

QStringList Headings(const TThesaurus &thes)
{
    QStringList words;
    for (const TThesaurusContext &context : thes.Contexts())
        words << context.word;
    return words;
}
} // namespace

TEST(ThesaurusCaseTest, AWordTakesTheMeaningsWrittenAsItIs)
{
    TThesaurus &thes = RealThesaurus();
    const struct
    {
        const char *typed;
        bool found;
        QStringList has;   // headings that must be there
        QStringList lacks; // and those that must not
    } cases[] = {
        // The article and the pronouns: no letter symbol, unit, element or country.
        {"a", false, {}, {}},
        {"A", false, {}, {}}, // at the start of a line
        {"I", false, {}, {}},
        {"us", false, {}, {}},
        {"Us", false, {}, {}},
        {"He", true, {}, {"helium"}},
        {"US", true, {"United States"}, {}},
        {"in", true, {"fashionable", "inch"}, {"indium", "Indiana"}},
        {"In", true, {"fashionable"}, {"indium", "Indiana"}},
        // The hawthorn is "may"; the month is "May", which may also start a line.
        {"may", true, {"whitethorn"}, {"May"}},
        {"May", true, {"May", "whitethorn"}, {}},
        {"do", true, {"make", "perform"}, {"Doctor of Osteopathy"}},
        {"Do", true, {"make"}, {"Doctor of Osteopathy"}},
        {"china", true, {"chinaware"}, {"China", "Taiwan"}},
        {"China", true, {"China", "Taiwan", "chinaware"}, {}},
        {"Love", true, {"passion"}, {}},
        // A name typed in lower case, a shouted word: the entry has nothing else to give.
        {"paris", true, {"Paris"}, {}},
        {"LOVE", true, {"passion"}, {}},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(thes.Lookup(typed), c.found) << c.typed;
        const QStringList headings = Headings(thes);
        for (const QString &heading : c.has)
            EXPECT_TRUE(headings.contains(heading)) << c.typed << ": " << heading.toStdString();
        for (const QString &heading : c.lacks)
            EXPECT_FALSE(headings.contains(heading)) << c.typed << ": " << heading.toStdString();
    }
}

TEST(ThesaurusCaseTest, AnInflectedWordFindsTheEverydayWordItIsAFormOf)
{
    TThesaurus &thes = RealThesaurus();
    // An irregular verb's regular-looking forms are that verb's ("does" is not the deer's
    // plural); the answers that were right stay so.
    const char *const cases[][2] = {{"does", "do"},  {"Does", "do"},        {"goes", "go"},
                                    {"lies", "lie"}, {"was", "be"},         {"has", "have"},
                                    {"went", "go"},  {"children", "child"}, {"feet", "foot"},
                                    {"died", "die"}, {"hates", "hate"},     {"toes", "toe"},
                                    {"its", ""},     {"leaves", "leaf"}};
    for (const auto &[typed, entry] : cases)
        EXPECT_EQ(thes.FindEntry(QString::fromUtf8(typed)).toStdString(), entry) << typed;
}
