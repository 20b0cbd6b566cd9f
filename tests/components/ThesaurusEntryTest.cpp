// The entry shown for a word the thesaurus lacks as typed: an irregular base form, its stem, else
// another base form from the word-form rules of the built cz.lex (real thesaurus, real rules).
#include "LexBaseForms.h"
#include "TempDir.h"
#include "Thesaurus.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
const QString LexFile = QStringLiteral(TOLVANE_APP_DIR "/cz.lex");

std::unique_ptr<TThesaurus> RealThesaurus(const QString &lexFile)
{
    auto thes = std::make_unique<TThesaurus>(QStringLiteral("/usr/share/mythes/th_en_US_v2.idx"),
                                             QStringLiteral("/usr/share/mythes/th_en_US_v2.dat"));
    thes->SetBaseForms(std::make_shared<TLexBaseForms>(lexFile));
    return thes;
}
} // namespace

TEST(ThesaurusEntryTest, InflectedWordsFindTheirBaseFormAndKnownWordsKeepTheirOwn)
{
    const std::unique_ptr<TThesaurus> engine = RealThesaurus(LexFile);
    TThesaurus &thes = *engine;
    // Base forms ("died" is not "dy"); the stem before them ("loves"); words found as typed;
    // an irregular form before the stem, which would give "wa" and "ha".
    const char *const cases[][2] = {
        {"went", "go"},   {"children", "child"}, {"pictures", "picture"}, {"caught", "catch"},
        {"Feet", "foot"}, {"died", "die"},       {"loves", "love"},       {"saw", "saw"},
        {"left", "left"}, {"better", "better"},  {"xyzzies", ""},         {"was", "be"},
        {"has", "have"}};
    for (const auto &[typed, entry] : cases) {
        EXPECT_EQ(thes.FindEntry(QString::fromUtf8(typed)), QString::fromUtf8(entry)) << typed;
        // Nothing found leaves the lookup of the word itself, with no meanings.
        EXPECT_EQ(thes.LookupWord(), QString::fromUtf8(*entry ? entry : typed)) << typed;
        EXPECT_EQ(thes.ContextCount() > 0, *entry != 0) << typed;
    }
    // A verb's irregular form comes before a noun's regular plural: "has" is not a plural of "ha".
    EXPECT_EQ(TLexBaseForms(LexFile).BaseForms(QStringLiteral("has")).value(0), "have");
    EXPECT_TRUE(TLexBaseForms(LexFile).BaseForms(QStringLiteral("\u4e00\u4e8c")).isEmpty());
}

TEST(ThesaurusEntryTest, WithoutUsableWordFormRulesOnlyTheWordAndItsStemAreTried)
{
    TempDir dir;
    for (const QString &file : {dir.file(QStringLiteral("missing.lex")),
                                dir.write(QStringLiteral("damaged.lex"), QByteArray(100, 'x'))}) {
        const std::unique_ptr<TThesaurus> thes = RealThesaurus(file);
        EXPECT_EQ(thes->FindEntry(QStringLiteral("went")), QString()) << file.toStdString();
        EXPECT_EQ(thes->FindEntry(QStringLiteral("loves")), QStringLiteral("love"));
    }
}
