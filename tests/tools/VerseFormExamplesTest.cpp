// Every example poem the program ships in "Verse Forms/*.html", checked against its own form by
// tolvane-cli check on the built word data: no mark but where the poem truly breaks the form.
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString kForms = QStringLiteral(TOLVANE_SOURCE_DIR "/data/Verse Forms/");
const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR "/");

// The example page's poem: the paragraphs after its "by ..." line, one stanza each.
QString PoemOf(const QString &html)
{
    static const QRegularExpression poem(QStringLiteral("<p><i>by[^<]*</i></p>(.*?)<p><small>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression stanza(QStringLiteral("<p>(.*?)</p>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression lineBreak(QStringLiteral("<br>\\s*"));
    QStringList stanzas;
    for (const auto &match : stanza.globalMatch(poem.match(html).captured(1))) {
        QStringList lines;
        for (const QString &line : match.captured(1).trimmed().split(lineBreak))
            lines << QTextDocumentFragment::fromHtml(line).toPlainText().trimmed();
        stanzas << lines.join(u'\n');
    }
    return stanzas.join(QStringLiteral("\n\n"));
}

// What each example truly breaks: line number and verdict.
using TMarks = std::set<std::pair<int, QString>>;
const std::map<QString, TMarks> &TrueBreaks()
{
    static const std::map<QString, TMarks> breaks = {
        // Romanised Japanese counted by English rules ("ike" as the name, "nagame" with a silent
        // e); the English translation runs past the pattern.
        {"Haiku", {{1, "count"}}},
        {"Tanka", {{1, "count"}, {5, "count"}}},
        // Byron's eye-rhyme want/cant and his Juan rhymed with "true one"; the word data lacks
        // "vaunt" (a neutral mark).
        {"Ottava Rima", {{3, "rhyme"}, {5, "unknown"}, {6, "rhyme"}}},
        // Wyatt: a nine- and a twelve-syllable line, chamber/remember/danger half-rhymes.
        {"Rhyme Royal", {{3, "count"}, {4, "rhyme"}, {5, "rhyme"}, {7, "count"}}},
        // Shakespeare rhymes date with the unstressed end of "temperate".
        {"Shakespearean Sonnet", {{4, "rhyme"}}},
        // Spenser's "washed" and "wiped" of two syllables; the word data knows "assay" only as
        // ASS-ee and lacks "eternize".
        {"Spenserian Sonnet", {{2, "count"}, {5, "rhyme"}, {8, "count"}, {11, "unknown"}}},
        // Shelley's thou/low and hear/air.
        {"Terza Rima", {{9, "rhyme"}, {18, "rhyme"}}},
    };
    return breaks;
}

TEST(VerseFormExamples, EachExampleFitsItsFormExceptWhereItTrulyBreaksIt)
{
    TempDir data;
    for (const char *name : {"rdict.dat", "syllables.dat"})
        ASSERT_TRUE(QFile::link(kAppDir + name, data.file(name)));
    QDir().mkpath(data.file("Verse Forms"));
    const QStringList pages = QDir(kForms).entryList({"*.html"}, QDir::Files, QDir::Name);
    ASSERT_GE(pages.size(), 15);
    for (const QString &page : pages) {
        const QString form = page.chopped(5);
        ASSERT_TRUE(QFile::copy(kForms + form + ".txt", data.file("Verse Forms/" + form + ".txt")));
        QFile html(kForms + page);
        ASSERT_TRUE(html.open(QIODevice::ReadOnly));
        const QString poem = PoemOf(QString::fromUtf8(html.readAll()));
        ASSERT_FALSE(poem.isEmpty()) << page.toStdString();
        const QString file = data.write(form + ".poem", poem.toUtf8());

        QProcess cli;
        cli.start(kAppDir + "tolvane-cli", {"--data", data.path(), "check", form, file});
        ASSERT_TRUE(cli.waitForFinished(60000));
        TMarks marks;
        for (const QString &row : QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n')) {
            const QStringList fields = row.split(u'\t');
            if (fields.size() == 5 && fields.at(4) != QLatin1String("ok"))
                marks.insert({fields.at(0).toInt(), fields.at(4)});
        }
        const auto expected = TrueBreaks().find(form);
        if (form == QLatin1String("Villanelle")) {
            // Every line is short of ten, and nothing else is marked.
            EXPECT_EQ(marks.size(), 19u) << form.toStdString();
            for (const auto &[line, verdict] : marks)
                EXPECT_EQ(verdict, "count") << form.toStdString() << " line " << line;
            continue;
        }
        const TMarks wanted = expected == TrueBreaks().end() ? TMarks() : expected->second;
        EXPECT_EQ(cli.exitCode(), wanted.empty() ? 0 : 1) << form.toStdString();
        for (const auto &[line, verdict] : marks)
            EXPECT_TRUE(wanted.count({line, verdict}))
                << form.toStdString() << " line " << line << ": " << verdict.toStdString();
        for (const auto &[line, verdict] : wanted)
            EXPECT_TRUE(marks.count({line, verdict})) << form.toStdString() << " line " << line
                                                      << " not marked " << verdict.toStdString();
    }
}

TEST(VerseFormExamples, AnUnknownFormIsBadUsageAndListsTheForms)
{
    QProcess cli;
    cli.start(kAppDir + "tolvane-cli", {"check", "Sonnet of Nowhere", kForms + "Haiku.html"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 2);
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_TRUE(err.contains("Sonnet of Nowhere")) << err.toStdString();
    EXPECT_TRUE(err.contains("\n  Limerick\n")) << err.toStdString();
}

} // namespace
