// Which meanings a word gets by how it is written, and which entry an inflected form finds (real
// thesaurus, real word-form rules of the built cz.lex).
#include "LexBaseForms.h"
#include "Thesaurus.h"

#include <gtest/gtest.h>

TEST(ThesaurusCaseTest, AWordTakesTheMeaningsWrittenAsItIsAndTheEverydayWordItIsAFormOf)
{
    TThesaurus thes(QStringLiteral("/usr/share/mythes/th_en_US_v2.idx"),
                    QStringLiteral("/usr/share/mythes/th_en_US_v2.dat"));
    thes.SetBaseForms(std::make_shared<TLexBaseForms>(QStringLiteral(TOLVANE_APP_DIR "/cz.lex")));
    // Typed, the entry found, a meaning's heading that must be shown and one that must not.
    const char *const cases[][4] = {
        // The article, the pronouns: no symbol, unit, element or country; "US" is the country.
        {"a", "", "", ""},
        {"A", "", "", ""},
        {"I", "", "", ""},
        {"us", "", "", ""},
        {"Us", "", "", ""},
        {"US", "US", "United States", ""},
        {"He", "He", "", "helium"},
        {"in", "in", "fashionable", "Indiana"},
        {"In", "In", "inch", "indium"},
        // The hawthorn is "may", the month "May"; a capital initial may just start a line.
        {"may", "may", "whitethorn", "May"},
        {"May", "May", "May", ""},
        {"Do", "Do", "make", "Doctor of Osteopathy"},
        {"Love", "Love", "passion", ""},
        // A name typed in lower case, a shouted word: the entry has nothing else to give.
        {"paris", "paris", "Paris", ""},
        {"LOVE", "LOVE", "passion", ""},
        // An irregular verb's regular-looking forms are that verb's ("does" is not the deer's
        // plural), and only those ("toes" stays "toe").
        {"does", "do", "make", "placental"},
        {"goes", "go", "", ""},
        {"lies", "lie", "", ""},
        {"its", "", "", ""},
        {"toes", "toe", "", ""},
        {"leaves", "leaf", "", ""}};
    for (const auto &[typed, entry, shown, hidden] : cases) {
        EXPECT_EQ(thes.FindEntry(QString::fromUtf8(typed)).toStdString(), entry) << typed;
        QStringList headings;
        for (const TThesaurusContext &context : thes.Contexts())
            headings << context.word;
        EXPECT_TRUE(!*shown || headings.contains(QString::fromUtf8(shown))) << typed;
        EXPECT_TRUE(!*hidden || !headings.contains(QString::fromUtf8(hidden))) << typed;
    }
}
