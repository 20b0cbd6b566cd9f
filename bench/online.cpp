// The online lookups: a DICT lookup against a real dictd on loopback, from the word change to
// the formatted text shown, beside a raw client that stops at the "250" line; the longest time
// the event loop goes unserved during lookups; the web panel's own time from a word change to
// its navigation request; a whole tolvane-cli define process beside the dict client's.
#include "BenchSupport.h"

#include "../tests/online/DictServers.h"

#include "DefinitionMemo.h"
#include "DictionaryList.h"
#include "OnlinePanels.h"
#include "Settings.h"
#include "frmGenericOnline.h"
#include "frmOnline.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <memory>
#include <unistd.h>

namespace {

TDictd *dictd = nullptr;

const char *const Words[] = {"brine", "love"};

void UseDictd()
{
    QStringList hosts = {QStringLiteral("127.0.0.1")};
    QStringList ports = {QString::number(dictd->Port())};
    TDictSettings::Instance().Ini().WriteStrings(QStringLiteral("Dictionary_Servers"), hosts,
                                                 ports);
}

// A plain blocking client: the server's own time for one DEFINE, up to its "250" line.
void BM_RawClientTo250(benchmark::State &state)
{
    for (auto _ : state) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, dictd->Port());
        socket.waitForConnected(3000);
        socket.write("DEFINE * \"brine\"\r\n");
        QByteArray answer;
        while (!answer.contains("\r\n250 ") && socket.waitForReadyRead(3000))
            answer += socket.readAll();
        benchmark::DoNotOptimize(answer);
    }
}
BENCHMARK(BM_RawClientTo250)->Unit(benchmark::kMillisecond);

// The DICT panel: a new word until its definitions are shown. The counter max_gap_ms is the
// longest time between two turns of the event loop during the lookups.
void BM_DictPanelWordToText(benchmark::State &state)
{
    UseDictd();
    TDictSettings::Instance().SetIsAdvanced(true);
    auto panel = std::make_unique<TfrmOnline>(nullptr, 1);
    panel->resize(600, 400);
    panel->show();
    panel->SetActive(true);
    TDictionaryList &dict = TDictionaryList::Instance();
    qint64 maxGap = 0;
    QElapsedTimer sinceTurn;
    sinceTurn.start();
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        maxGap = std::max(maxGap, sinceTurn.nsecsElapsed());
        sinceTurn.restart();
    });
    // The lists come with the first lookup; measure the lookups after it.
    dict.SetWord(QStringLiteral("sea"));
    if (!QTest::qWaitFor([&] { return !panel->Session().Busy(); }, 10000))
        state.SkipWithError("the first lookup did not finish");
    int i = 0;
    ticker.start();
    sinceTurn.restart();
    for (auto _ : state) {
        const QString word = QString::fromLatin1(Words[i++ % 2]);
        dict.SetWord(word);
        // The panel says "Looking up" at once; the answer has come when the session is idle.
        while (panel->Session().Busy() ||
               !panel->ResultMemo1()->toPlainText().contains(QLatin1Char('"') + word)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }
    ticker.stop();
    state.counters["max_gap_ms"] = double(maxGap) / 1e6;
    panel.reset();
}
BENCHMARK(BM_DictPanelWordToText)->Unit(benchmark::kMillisecond);

// The DICT panel showing an answer of 10 MB (cut at 8 MiB) from a loopback server: the word
// change until the last piece is shown, with max_gap_ms the longest time the event loop went
// unserved meanwhile.
void BM_DictPanelHugeAnswer(benchmark::State &state)
{
    TScriptedServer server;
    QByteArray answer = "151 \"x\" wn \"W\"\r\n";
    while (answer.size() < 10 * 1024 * 1024)
        answer +=
            "    a line of a definition, and more of it, [with brackets] and {references}\r\n";
    server.onLine = [&](const QByteArray &) { return answer; };
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetDictServers({Loopback(server.Port())});
    settings.SetDictionaryPairs(QStringLiteral("Dictionary_Databases"), {"*"}, {"Default"});
    settings.SetDictionaryPairs(QStringLiteral("Dictionary_Strategies"), {"*"}, {"Definitions"});
    settings.SetIsAdvanced(true);
    auto panel = std::make_unique<TfrmOnline>(nullptr, 1);
    panel->resize(600, 400);
    panel->show();
    panel->SetActive(true);
    TDictionaryList &dict = TDictionaryList::Instance();
    qint64 maxGap = 0;
    QElapsedTimer sinceTurn;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        maxGap = std::max(maxGap, sinceTurn.nsecsElapsed());
        sinceTurn.restart();
    });
    int i = 0;
    for (auto _ : state) {
        sinceTurn.restart();
        ticker.start();
        dict.SetWordNow(QStringLiteral("huge%1").arg(i++));
        while (panel->Session().Busy() || panel->Appending())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        ticker.stop();
    }
    state.counters["max_gap_ms"] = double(maxGap) / 1e6;
    panel.reset();
    UseDictd();
}
BENCHMARK(BM_DictPanelHugeAnswer)->Unit(benchmark::kMillisecond)->Iterations(3);

// The web panel's own time from a word change to its navigation request.
void BM_WebPanelWordToNavigation(benchmark::State &state)
{
    TDictSettings::Instance().SetIsAdvanced(true);
    auto panel = std::make_unique<TfrmGenericOnline>(nullptr, 1);
    panel->SetTemplate(QStringLiteral("http://127.0.0.1:9/%s"));
    panel->resize(600, 400);
    panel->show();
    panel->SetActive(true);
    TDictionaryList &dict = TDictionaryList::Instance();
    int i = 0;
    for (auto _ : state) {
        dict.SetWord(QStringLiteral("word%1").arg(i++));
        benchmark::DoNotOptimize(panel->LastUrl());
    }
    panel.reset();
}
BENCHMARK(BM_WebPanelWordToNavigation)->Unit(benchmark::kMicrosecond);

// A whole "tolvane-cli define love" process against the loopback dictd, and beside it the
// dict client's "dict -h 127.0.0.1 -p PORT love".
void RunProcess(benchmark::State &state, const QString &program, const QStringList &args)
{
    for (auto _ : state) {
        QProcess process;
        process.start(program, args);
        if (!process.waitForFinished(10000) || process.exitCode() != 0) {
            state.SkipWithError("the process failed");
            return;
        }
    }
}

void BM_CliDefineProcess(benchmark::State &state)
{
    RunProcess(state, QStringLiteral(TOLVANE_APP_DIR "/tolvane-cli"),
               {QStringLiteral("define"), QStringLiteral("love"), QStringLiteral("--server"),
                QStringLiteral("127.0.0.1:%1").arg(dictd->Port())});
}
BENCHMARK(BM_CliDefineProcess)->Unit(benchmark::kMillisecond);

void BM_DictClientProcess(benchmark::State &state)
{
    RunProcess(state, QStringLiteral("dict"),
               {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                QString::number(dictd->Port()), QStringLiteral("love")});
}
BENCHMARK(BM_DictClientProcess)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const int status = bench::RunBenchmarks(argc, argv, [](const QDir &folder) {
        bench::CopyBuiltFiles(folder, {"rdict.dat", "sdxdict.dat", "rpoetry.dat"});
        RegisterOnlinePanels();
        dictd = &SharedDictd();
        return dictd->Running();
    });
    StopSharedDictd();
    return status;
}
