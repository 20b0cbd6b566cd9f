#include "Settings.h"
#include "AppFolders.h"
#include "ReadOnlyInstall.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    TempDir dir;

    void SetUp() override
    {
        TDictSettings::FreeInstance();
        OverrideAppFolder(dir.path());
    }
    void TearDown() override
    {
        TDictSettings::FreeInstance();
        OverrideAppFolder(QString());
    }

    void Put(const QByteArray &bytes) { dir.write(QStringLiteral("settings.ini"), bytes); }
    QByteArray Get() const { return dir.read(QStringLiteral("settings.ini")); }
    // A store bound to the file as it is now.
    TDictSettings &Fresh()
    {
        TDictSettings::FreeInstance();
        return TDictSettings::Instance();
    }
};

TEST_F(SettingsTest, NoFileMeansDefaultsAndFirstRun)
{
    TDictSettings &s = Fresh();
    EXPECT_EQ(s.FileName(), dir.file(QStringLiteral("settings.ini")));
    EXPECT_TRUE(s.IsFirstRun());
    EXPECT_TRUE(s.GetIsAdvanced());
    EXPECT_FALSE(s.GetIsListMode());
    EXPECT_EQ(s.GetWidth(), 800);
    EXPECT_EQ(s.GetHeight(), 600);
    EXPECT_FALSE(s.GetMaximized());
    EXPECT_EQ(s.GetDockRightSplitter(), 150);
    EXPECT_EQ(s.GetDockLeftSplitter(), 150);
    EXPECT_EQ(s.GetBottomSplitterPosition(), 150);
    EXPECT_TRUE(s.GetShowLineNumbers());
    EXPECT_TRUE(s.GetShowSyllables());
    EXPECT_FALSE(s.GetShowVerseForms());
    EXPECT_TRUE(s.GetShowRhymes());
    EXPECT_TRUE(s.GetShowPhrases());
    EXPECT_TRUE(s.GetShowRoundex());
    EXPECT_TRUE(s.GetShowThesaurus());
    EXPECT_FALSE(s.GetShowRhymeLines());
    EXPECT_TRUE(s.GetEditorWordWrap());
    EXPECT_FALSE(s.GetUITabsAsButtons());
    EXPECT_FALSE(s.GetEnableUIFonts());
    EXPECT_TRUE(s.GetUseDefaultPanelPos());
    EXPECT_FALSE(s.GetCommonTabSide());
    EXPECT_TRUE(s.GetMoreTabSide());
    EXPECT_EQ(s.GetRhymeLineName(), "Poetry");
    EXPECT_EQ(s.GetFileHistoryCount(), 8);
    EXPECT_EQ(s.GetHyperTreeVisualLevel1(), 4);
    EXPECT_EQ(s.GetHyperTreeVisualLevel2(), 7);
    EXPECT_EQ(s.GetTabStops(), 8);
    EXPECT_TRUE(s.GetPersistentBlocks(true));
    EXPECT_FALSE(s.GetSmartTabs(false));
    TFontInfo font;
    font.Face = "x";
    font.Underline = true;
    s.ReadFont("Font", font);
    EXPECT_EQ(font, TFontInfo());
    EXPECT_EQ(font.Face, "Arial");
    EXPECT_EQ(font.Size, 10);
    EXPECT_EQ(font.Color, -16777208);
    EXPECT_EQ(s.GetCurrentServer(), QString("dict.org=2628"));
    QStringList servers;
    s.GetDictServers(servers);
    EXPECT_EQ(servers, QStringList({"dict.org=2628"}));
    EXPECT_FALSE(QFile::exists(s.FileName()));

    s.SetWidth(640);
    EXPECT_TRUE(QFile::exists(s.FileName()));
    EXPECT_EQ(Get(), "[MainForm]\nWidth=640\n");
    EXPECT_FALSE(Fresh().IsFirstRun());
}

TEST_F(SettingsTest, WindowIsCentredOnTheScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    TDictSettings &s = Fresh();
    EXPECT_EQ(s.GetLeft(), qMax(0, (screen.width() - 800) / 2));
    EXPECT_EQ(s.GetTop(), qMax(0, (screen.height() - 600) / 2));
    s.SetWidth(screen.width() - 101);
    s.SetHeight(screen.height() + 50);
    EXPECT_EQ(s.GetLeft(), 50);
    EXPECT_EQ(s.GetTop(), 0);
    s.SetLeft(-20);
    s.SetTop(33);
    EXPECT_EQ(s.GetLeft(), -20);
    EXPECT_EQ(s.GetTop(), 33);
}

TEST_F(SettingsTest, EmptyMainFormIsFirstRun)
{
    Put("[MainForm]\n; nothing yet\n[Font]\nFace=Courier\n");
    EXPECT_TRUE(Fresh().IsFirstRun());
    Put("[mainform]\nIsAdvanced=0\n");
    TDictSettings &s = Fresh();
    EXPECT_FALSE(s.IsFirstRun());
    EXPECT_FALSE(s.GetIsAdvanced());
}

TEST_F(SettingsTest, NothingIsCached)
{
    TDictSettings &s = Fresh();
    EXPECT_EQ(s.GetWidth(), 800);
    Put("[MainForm]\nWidth=0x400\nShowRhymes=yes\nShowPhrases=0x0\n");
    EXPECT_EQ(s.GetWidth(), 1024);
    EXPECT_TRUE(s.GetShowRhymes());
    EXPECT_FALSE(s.GetShowPhrases());
    Put("[MainForm]\nShowRhymes=0\n");
    EXPECT_FALSE(s.GetShowRhymes());
}

TEST_F(SettingsTest, BooleansAndIntegersRoundTrip)
{
    TDictSettings &s = Fresh();
    s.SetShowRhymes(false);
    s.SetIsListMode(true);
    s.SetTabStops(4);
    s.SetHyperTreeVisualLevel2(9);
    s.SetPersistentBlocks(true);
    s.SetSmartTabs(false);
    // Sections appear in the order of their first write; new keys follow a section's last entry.
    EXPECT_EQ(Get(), "[MainForm]\nShowRhymes=0\nIsListMode=1\n[Editor]\nTabStops=4\n"
                     "PersistentBlocks=1\nSmartTabs=0\n[HyperbolicThesaurus]\n"
                     "HyperTreeVisualLevel2=9\n");
    EXPECT_FALSE(s.GetShowRhymes());
    EXPECT_TRUE(s.GetIsListMode());
    EXPECT_EQ(s.GetTabStops(), 4);
    EXPECT_EQ(s.GetHyperTreeVisualLevel2(), 9);
    EXPECT_TRUE(s.GetPersistentBlocks(false));
    EXPECT_FALSE(s.GetSmartTabs(true));
}

TEST_F(SettingsTest, FontsKeepBoldAndItalicOnly)
{
    Put("[Font]\nFace=Courier New\nSize=12\nColor=255\nStyle=3\n");
    TDictSettings &s = Fresh();
    TFontInfo font;
    s.ReadFont("Font", font);
    EXPECT_EQ(font.Face, "Courier New");
    EXPECT_EQ(font.Size, 12);
    EXPECT_EQ(font.Color, 255);
    EXPECT_TRUE(font.Bold);
    EXPECT_TRUE(font.Italic);

    TFontInfo ui;
    ui.Face = "DejaVu Sans";
    ui.Bold = true;
    ui.Underline = true;
    ui.StrikeOut = true;
    s.WriteFont("UIFont", ui);
    EXPECT_TRUE(Get().endsWith("[UIFont]\nFace=DejaVu Sans\nSize=10\nColor=-16777208\nStyle=1\n"));
    TFontInfo back;
    s.ReadFont("uifont", back);
    EXPECT_TRUE(back.Bold);
    EXPECT_FALSE(back.Italic);
    EXPECT_FALSE(back.Underline);
    EXPECT_FALSE(back.StrikeOut);
    EXPECT_EQ(back.Face, "DejaVu Sans");
}

TEST_F(SettingsTest, FileHistoryKeepsNineMostRecentFirst)
{
    TDictSettings &s = Fresh();
    QStringList files;
    for (int i = 0; i < 10; ++i)
        files << dir.write(QStringLiteral("doc%1.txt").arg(i), "text");
    for (int i = 0; i < 9; ++i)
        s.AddToFileHistory(files[i]);
    QStringList history;
    s.GetFileHistory(history);
    ASSERT_EQ(history.size(), 9);
    EXPECT_EQ(history.first(), files[8]);
    EXPECT_EQ(history.last(), files[0]);

    // The tenth drops the oldest.
    s.AddToFileHistory(files[9]);
    s.GetFileHistory(history);
    ASSERT_EQ(history.size(), 9);
    EXPECT_EQ(history.first(), files[9]);
    EXPECT_EQ(history.last(), files[1]);
    EXPECT_FALSE(history.contains(files[0]));

    // Already listed: moved to the top, not duplicated.
    s.AddToFileHistory(files[3]);
    s.GetFileHistory(history);
    ASSERT_EQ(history.size(), 9);
    EXPECT_EQ(history.first(), files[3]);
    EXPECT_EQ(history.count(files[3]), 1);

    // No file there: nothing changes, not even the bytes.
    const QByteArray before = Get();
    s.AddToFileHistory(dir.file(QStringLiteral("missing.txt")));
    s.AddToFileHistory(QString());
    s.AddToFileHistory(dir.path()); // a folder is no file
    EXPECT_EQ(Get(), before);

    // Every entry is a key with an empty value.
    EXPECT_TRUE(Get().contains((files[9] + "=\n").toUtf8()));
}

TEST_F(SettingsTest, FileHistoryStoresFullPaths)
{
    TDictSettings &s = Fresh();
    dir.write(QStringLiteral("sub/a.txt"), "x");
    s.AddToFileHistory(dir.path() + QStringLiteral("sub/../sub/./a.txt"));
    QStringList history;
    s.GetFileHistory(history);
    EXPECT_EQ(history, QStringList({dir.file(QStringLiteral("sub/a.txt"))}));
}

TEST_F(SettingsTest, FileHistoryKeepsEveryPathExactly)
{
    TDictSettings &s = Fresh();
    // Each of these is a file of its own on this platform.
    const QStringList files = {dir.write("a.txt", "1"),     dir.write("A.txt", "2"),
                               dir.write("b.txt ", "3"),    dir.write("b.txt", "4"),
                               dir.write("x=y.txt", "5"),   dir.write("[x]y.txt", "6"),
                               dir.write(";notes.txt", "7")};
    for (const QString &file : files)
        s.AddToFileHistory(file);
    s.AddToFileHistory(files[0]); // a.txt again: to the top, A.txt stays
    QStringList history;
    Fresh().GetFileHistory(history);
    EXPECT_EQ(history,
              QStringList({files[0], files[6], files[5], files[4], files[3], files[2], files[1]}));
}

TEST_F(SettingsTest, DictionaryPairsKeepNamesAnIniLineCannotHold)
{
    TDictSettings &s = Fresh();
    const QStringList names = {"[x]y", ";db", "a=b", " pad ", "wn"};
    const QStringList values = {"one", "two", "three", "four", "WordNet"};
    s.SetDictionaryPairs("Dictionary_Databases", names, values);
    QStringList readNames, readValues;
    TDictSettings &next = Fresh();
    next.GetDictionaryPairs("Dictionary_Databases", readNames, readValues);
    EXPECT_EQ(readNames, names);
    EXPECT_EQ(readValues, values);
    EXPECT_EQ(next.Ini().ReadSection("Dictionary_Databases").size(), names.size())
        << "a name opened a section of its own";
}

TEST_F(SettingsTest, RhymeLineLists)
{
    TDictSettings &s = Fresh();
    QStringList lists{"stale"};
    s.GetRhymeLineLists(lists);
    EXPECT_EQ(lists, QStringList({"Poetry=rpoetry.dat"}));
    EXPECT_EQ(s.GetRhymeLineFile("Poetry"), "rpoetry.dat");
    EXPECT_EQ(s.GetRhymeLineFile("poetry"), "");
    EXPECT_EQ(s.GetRhymeLineFile("Lyrics"), "");
    EXPECT_FALSE(QFile::exists(s.FileName())); // the default goes to the list only

    Put("[RhymeLineDictionaryList]\nLyrics=lyrics.dat\nPoetry=mypoetry.dat\n");
    s.GetRhymeLineLists(lists);
    EXPECT_EQ(lists, QStringList({"Lyrics=lyrics.dat", "Poetry=mypoetry.dat"}));
    EXPECT_EQ(s.GetRhymeLineFile("lyrics"), "lyrics.dat");
    EXPECT_EQ(s.GetRhymeLineFile("Poetry"), "mypoetry.dat");
}

TEST_F(SettingsTest, OnlineDictionaryDefaultsAreWrittenOnce)
{
    Put("[OnlineDictionaries]\n");
    TDictSettings &s = Fresh();
    QStringList list;
    s.GetOnlineDictionaries(list);
    const QStringList defaults{
        "Wikipedia=https://en.wikipedia.org/wiki/%s",
        "Wiktionary=https://en.wiktionary.org/wiki/%s",
        "dictionary.com=https://www.dictionary.com/browse/%s",
        "google=https://www.google.com/search?hl=en&q=definition%%3A+%s",
    };
    EXPECT_EQ(list, defaults);
    EXPECT_EQ(Get(), "[OnlineDictionaries]\n" + defaults.join('\n').toUtf8() + "\n");

    // Deleting one by hand keeps it deleted.
    QByteArray edited = Get();
    edited.replace("Wiktionary=https://en.wiktionary.org/wiki/%s\n", "");
    Put(edited);
    s.GetOnlineDictionaries(list);
    EXPECT_EQ(list, QStringList({defaults[0], defaults[2], defaults[3]}));
    EXPECT_EQ(Get(), edited);

    s.SetOnlineDictionary("Merriam", "http://www.m-w.com/%s");
    s.GetOnlineDictionaries(list);
    EXPECT_EQ(list.last(), "Merriam=http://www.m-w.com/%s");
}

TEST_F(SettingsTest, OnlineLookupsEnabled)
{
    TDictSettings &s = Fresh();
    EXPECT_TRUE(s.IsOnlineLookupEnabled("Wikipedia"));
    EXPECT_TRUE(s.IsOnlineLookupEnabled("anything"));
    Put("[OnlineLookupsEnabled]\nWikipedia=1\n");
    EXPECT_TRUE(s.IsOnlineLookupEnabled("Wikipedia"));
    EXPECT_TRUE(s.IsOnlineLookupEnabled("wikipedia"));
    EXPECT_FALSE(s.IsOnlineLookupEnabled("Wiktionary"));
    EXPECT_FALSE(s.IsOnlineLookupEnabled("google"));
    s.SetOnlineLookupEnabled("google", true);
    s.SetOnlineLookupEnabled("Wikipedia", false);
    EXPECT_TRUE(s.IsOnlineLookupEnabled("google"));
    EXPECT_FALSE(s.IsOnlineLookupEnabled("Wikipedia"));
}

TEST_F(SettingsTest, CurrentServer)
{
    TDictSettings &s = Fresh();
    s.SetCurrentServer("example=2628");
    EXPECT_EQ(Get(), "[Dictionary_CurrentServer]\nName=example\nPort=2628\n");
    EXPECT_EQ(s.GetCurrentServer(), "example=2628");
    s.SetCurrentServer("host=0x10");
    EXPECT_EQ(s.GetCurrentServer(), "host=16");
    EXPECT_THROW(s.SetCurrentServer("a=b=1"),
                 std::invalid_argument); // the name ends at the first "="
}

TEST_F(SettingsTest, CurrentServerWithoutEqualsOrBadPort)
{
    TDictSettings &s = Fresh();
    s.SetCurrentServer("2629");
    EXPECT_EQ(s.GetCurrentServer(), "=2629");
    const QByteArray before = Get();
    try {
        s.SetCurrentServer("example=abc");
        FAIL() << "no exception";
    } catch (const std::invalid_argument &e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_THROW(s.SetCurrentServer("example"), std::invalid_argument);
    EXPECT_THROW(s.SetCurrentServer("example="), std::invalid_argument);
    EXPECT_EQ(Get(), before);
}

TEST_F(SettingsTest, DictionaryPairsAndServers)
{
    TDictSettings &s = Fresh();
    s.SetDictionaryPairs("Dictionary_Databases", {"wn", "gcide"},
                         {"WordNet (r) 3.0", "The Collaborative International Dictionary"});
    QStringList names{"x"}, values{"y"};
    s.GetDictionaryPairs("Dictionary_Databases", names, values);
    EXPECT_EQ(names, QStringList({"wn", "gcide"}));
    EXPECT_EQ(values,
              QStringList({"WordNet (r) 3.0", "The Collaborative International Dictionary"}));
    s.SetDictionaryPairs("Dictionary_Databases", {"a"}, {"b=c"});
    s.GetDictionaryPairs("Dictionary_Databases", names, values);
    EXPECT_EQ(names, QStringList({"a"}));
    EXPECT_EQ(values, QStringList({"b=c"}));
    s.SetDictionaryPairs("Dictionary_Databases", {}, {});
    s.GetDictionaryPairs("Dictionary_Databases", names, values);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(values.isEmpty());
    EXPECT_FALSE(s.Ini().SectionExists("Dictionary_Databases"));

    Put("[Dictionary_Servers]\nlocalhost=2628\ndict.example.org=2629\n");
    QStringList servers;
    s.GetDictServers(servers);
    EXPECT_EQ(servers, QStringList({"localhost=2628", "dict.example.org=2629"}));
}

TEST_F(SettingsTest, EffectiveSides)
{
    TDictSettings &s = Fresh();
    Put("[MainForm]\nCommonTabSide=Left\nUseDefaultPanelPos=1\n");
    EXPECT_TRUE(s.CommonSideIsRight());
    EXPECT_FALSE(s.GetCommonTabSide());
    Put("[MainForm]\nCommonTabSide=Left\nUseDefaultPanelPos=0\n");
    EXPECT_FALSE(s.CommonSideIsRight());
    EXPECT_TRUE(s.MoreSideIsRight()); // MoreTabSide defaults to "Right"
    Put("[MainForm]\nCommonTabSide=right\nMoreTabSide=RIGHT\nUseDefaultPanelPos=0\n");
    EXPECT_FALSE(s.CommonSideIsRight());
    EXPECT_FALSE(s.MoreSideIsRight());
    EXPECT_FALSE(s.GetCommonTabSide());
    s.SetCommonTabSide(true);
    s.SetMoreTabSide(false);
    EXPECT_TRUE(s.CommonSideIsRight());
    EXPECT_FALSE(s.MoreSideIsRight());
    EXPECT_TRUE(Get().contains("CommonTabSide=Right\n"));
    EXPECT_TRUE(Get().contains("MoreTabSide=Left\n"));
}

TEST_F(SettingsTest, UnknownSectionsAndJunkSurviveSetters)
{
    QByteArray file = "# written by hand\n[MainForm]\nWidth=1000\nSecret=keep me\n"
                      "[Plugins]\nfoo=bar\n\xff\xfe junk\n";
    Put(file);
    TDictSettings &s = Fresh();
    s.SetWidth(1200);
    s.SetMaximized(true);
    file.replace("Width=1000", "Width=1200");
    file.replace("Secret=keep me\n", "Secret=keep me\nMaximized=1\n");
    EXPECT_EQ(Get(), file);
}

TEST_F(SettingsTest, VerseForms)
{
    TDictSettings &s = Fresh();
    EXPECT_EQ(s.GetVerseFormFile(), "");
    EXPECT_EQ(s.GetVerseFormExample(), "");
    s.SelectVerseForm("Sonnet");
    EXPECT_EQ(s.GetVerseFormFile(), dir.path() + "Verse Forms/Sonnet.txt");
    EXPECT_EQ(s.GetVerseFormExample(), "");
    dir.write(QStringLiteral("Verse Forms/Sonnet.html"), "<html/>");
    EXPECT_EQ(s.GetVerseFormExample(), dir.path() + "Verse Forms/Sonnet.html");
    EXPECT_EQ(Get(), ""); // never stored
}

TEST_F(SettingsTest, RefusedWriteThrowsWithThePath)
{
    // The paths of the application folder and of the per-user folder run through a regular
    // file: nobody can create settings.ini in either.
    dir.write(QStringLiteral("plainfile"), "x");
    OverrideAppFolder(dir.file(QStringLiteral("plainfile")));
    TConfigHome home(dir.file(QStringLiteral("plainfile/config")));
    TDictSettings &s = Fresh();
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini";
    ASSERT_TRUE(path.startsWith(dir.file(QStringLiteral("plainfile/config/"))));
    EXPECT_EQ(s.FileName(), path);
    try {
        s.SetWidth(10);
        FAIL() << "no exception";
    } catch (const std::runtime_error &e) {
        EXPECT_EQ(std::string(e.what()), ("Unable to write to " + path).toStdString());
    }
}

TEST_F(SettingsTest, UnwritableSettingsLiveInTheUsersFolder)
{
    TempDir home;
    TConfigHome configHome(home.path());
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    ASSERT_TRUE(folder.startsWith(home.path()));
    const QString own = folder + "/settings.ini";
    const QByteArray shipped = "[MainForm]\nWidth=1000\n";
    Put(shipped);
    {
        TReadOnlyPath install({dir.path()});
        ASSERT_FALSE(QFile(dir.file("probe")).open(QIODevice::WriteOnly)) << "folder writable";
        TDictSettings &s = Fresh();
        EXPECT_EQ(s.FileName(), own);
        EXPECT_EQ(LocateUserFile("spellconfig.dic").path, folder + "/spellconfig.dic");
        EXPECT_FALSE(s.IsFirstRun()) << "the shipped settings are read";
        EXPECT_EQ(s.GetWidth(), 1000);
        s.SetWidth(1000);
        EXPECT_FALSE(QFile::exists(own)) << "an unchanged value was written";
        s.SetHeight(500);
        TDictSettings &later = Fresh(); // the next start reads the user's file
        EXPECT_EQ(later.FileName(), own);
        EXPECT_EQ(later.GetWidth(), 1000);
        EXPECT_EQ(later.GetHeight(), 500);
    }
    EXPECT_EQ(Get(), shipped);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("settings.ini"));

    // A read-only settings.ini in a writable folder is left alone the same way.
    ASSERT_TRUE(QFile::remove(own));
    {
        TReadOnlyPath file({dir.file("settings.ini")});
        TDictSettings &s = Fresh();
        EXPECT_EQ(s.FileName(), own);
        EXPECT_EQ(s.GetWidth(), 1000);
        s.SetMaximized(true);
        EXPECT_TRUE(Fresh().GetMaximized());
    }
    EXPECT_EQ(Get(), shipped);
    EXPECT_EQ(Fresh().FileName(), dir.file("settings.ini")) << "writable again: the folder's own";
}

TEST_F(SettingsTest, RefusedWriteLeavesTheOldFileIntact)
{
    const QByteArray old = "[MainForm]\nWidth=1000\n[Other]\nk=v\n";
    Put(old);
    TDictSettings &s = Fresh();
    if (geteuid() == 0) {
        // Permission bits do not stop root; a file-size limit does (the write fails with EFBIG).
        struct rlimit saved;
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = saved;
        tiny.rlim_cur = 8;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        bool threw = false;
        try {
            s.SetWidth(10);
        } catch (const std::runtime_error &e) {
            threw = std::string(e.what()) == ("Unable to write to " + s.FileName()).toStdString();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_TRUE(threw);
    } else {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_THROW(s.SetWidth(10), std::runtime_error);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(Get(), old);
    EXPECT_EQ(s.GetWidth(), 1000);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"settings.ini"}));
}

} // namespace
