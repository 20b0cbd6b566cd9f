// The cost of the no-cache rule: every getter opens, reads and parses settings.ini.
#include "Settings.h"
#include "AppFolders.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A settings file as a used installation has it: every MainForm key, fonts, a full file history,
// the web dictionaries and cached DICT lists (about 2.5 KB).
QByteArray TypicalFile()
{
    QByteArray b = "[MainForm]\n";
    const char *keys[] = {"Left=100",
                          "Top=80",
                          "Width=1024",
                          "Height=700",
                          "Maximized=0",
                          "DockRightSplitter=180",
                          "DockLeftSplitter=150",
                          "BottomSplitterPosition=150",
                          "ShowLineNumbers=1",
                          "ShowSyllables=1",
                          "ShowVerseForms=0",
                          "ShowRhymes=1",
                          "ShowPhrases=1",
                          "ShowRoundex=1",
                          "ShowThesaurus=1",
                          "ShowRhymeLines=0",
                          "IsAdvanced=1",
                          "IsListMode=0",
                          "EditorWordWrap=1",
                          "UITabsAsButtons=0",
                          "UseDefaultPanelPos=1",
                          "CommonTabSide=Left",
                          "MoreTabSide=Right",
                          "RhymeLineName=Poetry"};
    for (const char *k : keys)
        b += QByteArray(k) + "\n";
    b += "\n[Font]\nFace=Arial\nSize=10\nColor=-16777208\nStyle=0\n";
    b += "\n[UIFont]\nFace=Arial\nSize=9\nColor=-16777208\nStyle=0\n";
    b += "\n[HyperbolicThesaurus]\nHyperTreeVisualLevel1=4\nHyperTreeVisualLevel2=7\n";
    b += "\n[FileHistory]\n";
    for (int i = 0; i < 9; ++i)
        b += "/home/poet/Documents/verses/song number " + QByteArray::number(i) + ".txt=\n";
    b += "\n[OnlineDictionaries]\nWikipedia=http://en.wikipedia.org/wiki/%s\n"
         "Wiktionary=http://en.wiktionary.org/wiki/%s\n"
         "dictionary.com=http://dictionary.reference.com/browse/%s\n"
         "google=http://www.google.com/search?hl=en&q=definition%%3A+%s\n";
    b += "\n[Dictionary_CurrentServer]\nName=dict.org\nPort=2628\n";
    b += "\n[Dictionary_Databases]\n";
    for (int i = 0; i < 20; ++i)
        b += "db" + QByteArray::number(i) + "=A dictionary database with a description\n";
    b += "\n[Editor]\nTabStops=8\nPersistentBlocks=0\nSmartTabs=1\n";
    return b;
}

struct TStore
{
    QTemporaryDir dir;
    qint64 size = 0;
    TStore()
    {
        QFile f(dir.filePath(QStringLiteral("settings.ini")));
        f.open(QIODevice::WriteOnly);
        const QByteArray bytes = TypicalFile();
        f.write(bytes);
        size = bytes.size();
        f.close();
        OverrideAppFolder(dir.path());
        TDictSettings::FreeInstance();
        TDictSettings::Instance();
    }
};

TStore &Store()
{
    static TStore store;
    return store;
}

// A key near the top of the file.
void BM_GetWidth(benchmark::State &state)
{
    (void)Store();
    TDictSettings &s = TDictSettings::Instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.GetWidth());
    state.counters["file_bytes"] = double(Store().size);
}
BENCHMARK(BM_GetWidth);

// A key in the last section: the whole file is scanned.
void BM_GetTabStops(benchmark::State &state)
{
    (void)Store();
    TDictSettings &s = TDictSettings::Instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(s.GetTabStops());
}
BENCHMARK(BM_GetTabStops);

// Four reads of one section.
void BM_ReadFont(benchmark::State &state)
{
    (void)Store();
    TDictSettings &s = TDictSettings::Instance();
    TFontInfo font;
    for (auto _ : state) {
        s.ReadFont(QStringLiteral("UIFont"), font);
        benchmark::DoNotOptimize(font.Size);
    }
}
BENCHMARK(BM_ReadFont);

void BM_GetFileHistory(benchmark::State &state)
{
    (void)Store();
    TDictSettings &s = TDictSettings::Instance();
    QStringList list;
    for (auto _ : state) {
        s.GetFileHistory(list);
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(BM_GetFileHistory);

// A setter: read, change one line, write a temporary file, fsync, rename.
void BM_SetWidth(benchmark::State &state)
{
    (void)Store();
    TDictSettings &s = TDictSettings::Instance();
    int w = 1000;
    for (auto _ : state)
        s.SetWidth(w++);
}
BENCHMARK(BM_SetWidth)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
