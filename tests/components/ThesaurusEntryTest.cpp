// The entry shown for a typed word when the thesaurus lacks the word as typed: its stem, else a
// base form from the word explorer's word-form rules (the built cz.lex and the real thesaurus).
#include "LexBaseForms.h"
#include "TempDir.h"
#include "Thesaurus.h"

#include <gtest/gtest.h>

#include <QFile>

#include <memory>

namespace {

const QString LexFile = QStringLiteral(TOLVANE_APP_DIR "/cz.lex");

TThesaurus RealThesaurus()
{
    return TThesaurus(QStringLiteral("/usr/share/mythes/th_en_US_v2.idx"),
                      QStringLiteral("/usr/share/mythes/th_en_US_v2.dat"));
}

} // namespace

TEST(ThesaurusEntryTest, InflectedWordsFindTheirBaseFormAndKnownWordsKeepTheirOwn)
{
    ASSERT_TRUE(QFile::exists(LexFile)) << "build the data first";
    TThesaurus thes = RealThesaurus();
    thes.SetBaseForms(std::make_shared<TLexBaseForms>(LexFile));
    const struct
    {
        const char *typed, *entry;
    } cases[] = {
        // base forms; "died" is not "dy", a regular ending cut to two letters
        {"went", "go"},
        {"children", "child"},
        {"pictures", "picture"},
        {"caught", "catch"},
        {"Feet", "foot"},
        {"died", "die"},
        // the stem comes before the base forms
        {"loves", "love"},
        // found as typed
        {"saw", "saw"},
        {"better", "better"},
        {"left", "left"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(thes.FindEntry(QString::fromUtf8(c.typed)), QString::fromUtf8(c.entry))
            << c.typed;
        EXPECT_EQ(thes.LookupWord(), QString::fromUtf8(c.entry)) << c.typed;
        EXPECT_GT(thes.ContextCount(), 0) << c.typed;
    }
    EXPECT_EQ(thes.FindEntry(QStringLiteral("xyzzies")), QString());
    EXPECT_EQ(thes.LookupWord(), QStringLiteral("xyzzies"));
    EXPECT_EQ(thes.ContextCount(), 0);
}

TEST(ThesaurusEntryTest, WithoutUsableWordFormRulesOnlyTheWordAndItsStemAreTried)
{
    TempDir dir;
    dir.write(QStringLiteral("damaged.lex"), QByteArray(100, '\x7f'));
    const QString files[] = {dir.file(QStringLiteral("missing.lex")),
                             dir.file(QStringLiteral("damaged.lex"))};
    for (const QString &file : files) {
        const TLexBaseForms forms(file);
        EXPECT_TRUE(forms.BaseForms(QStringLiteral("went")).isEmpty()) << file.toStdString();
        TThesaurus thes = RealThesaurus();
        thes.SetBaseForms(std::make_shared<TLexBaseForms>(file));
        EXPECT_EQ(thes.FindEntry(QStringLiteral("went")), QString());
        EXPECT_EQ(thes.FindEntry(QStringLiteral("loves")), QStringLiteral("love"));
    }
}

TEST(ThesaurusEntryTest, IrregularFormsComeBeforeRegularEndings)
{
    const TLexBaseForms forms(LexFile);
    // A verb's irregular form before a noun's regular plural: "has" is not the plural of "ha".
    EXPECT_EQ(forms.BaseForms(QStringLiteral("has")).value(0), QStringLiteral("have"));
    EXPECT_EQ(forms.BaseForms(QStringLiteral("leaves")).value(0), QStringLiteral("leaf"));
    EXPECT_EQ(forms.BaseForms(QStringLiteral("ladies")).value(0), QStringLiteral("lady"));
    EXPECT_TRUE(forms.BaseForms(QStringLiteral("\u4e00\u4e8c")).isEmpty());
    EXPECT_TRUE(forms.BaseForms(QString()).isEmpty());
}
