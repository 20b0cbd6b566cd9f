#pragma once

#include "AppFolderFixture.h"
#include "AppFolders.h"
#include "DataModule.h"
#include "DictionaryList.h"
#include "FrameAdvanced.h"
#include "PanelDocking.h"
#include "ProgramFrames.h"
#include "Settings.h"
#include "Startup.h"
#include "TempDir.h"
#include "frmRhymeDict.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <initializer_list>
#include <utility>

// A temporary application folder with small word lists, and the program started in it.
class ShellFixture : public AppFolderFixture
{
protected:
    using TDock = TPanelDocking::TDock;

    // Waits out the lookup box's debounce; a loaded machine may fire the timer late.
    static void WaitForDebounce()
    {
        QTest::qWait(TDictionaryList::DebounceMs + 20);
        if (TDictionaryList::Exists())
            QTRY_VERIFY_WITH_TIMEOUT(!TDictionaryList::Instance().DelayPending(), 5000);
    }

    void SetUp() override
    {
        AppFolderFixture::SetUp();
        WriteList("rdict.dat", {{"love", "UHV"},
                                {"dove", "UHV"},
                                {"glove", "UHV"},
                                {"above", "UHV"},
                                {"UHV", "above#dove#glove#love"},
                                {"UHV[P]", "true love#white dove"},
                                {"read", "EHD"},
                                {"read(1)", "IYD"},
                                {"EHD", "bed#read#red"},
                                {"IYD", "bead#read#seed"}});
        WriteList("sdxdict.dat", {{"V100", "dove#glove#love"}});
    }
    void TearDown() override
    {
        CloseModals();
        EndProgram(program);
        if (placeholderFrame)
            TfrmRhymeDict::AdvancedFrameFactory = std::exchange(placeholderFrame, nullptr);
        AppFolderFixture::TearDown();
    }

    // A settings file that is not a first run, with extra MainForm lines.
    void WriteSettings(const QByteArray &mainFormLines = QByteArray())
    {
        dir.write(QStringLiteral("settings.ini"),
                  "[MainForm]\r\nFileHistoryCount=8\r\n" + mainFormLines);
    }

    // The next start gets the real verse editor frame, wired as the program wires it.
    void UseEditorFrame()
    {
        placeholderFrame = TfrmRhymeDict::AdvancedFrameFactory;
        TfrmRhymeDict::AdvancedFrameFactory = MakeEditorFrame;
    }

    // Starts the program without the splash; fails the test on an error.
    TfrmRhymeDict *Start()
    {
        const QString error = StartProgram(program, false);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return program.window.get();
    }
    // Starts, shows and activates the main window.
    TfrmRhymeDict *StartShown()
    {
        TfrmRhymeDict *window = Start();
        if (!window)
            return nullptr;
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        window->FirstActivate();
        QApplication::processEvents();
        return window;
    }
    void Restart()
    {
        EndProgram(program);
        TDictionaryList::FreeInstance();
        TDictSettings::FreeInstance();
    }

    // Closes modal windows as they appear, recording their class names.
    void WatchModals()
    {
        modalTimer.setInterval(10);
        QObject::connect(&modalTimer, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                modals << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        modalTimer.start();
    }
    void CloseModals()
    {
        modalTimer.stop();
        while (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    }

    TDataModule1 *Data() const { return program.data; }
    TPanelDocking *Docking() const { return program.window->Docking(); }
    static TDictSettings &Settings() { return TDictSettings::Instance(); }
    static TDictionaryList &Dict() { return TDictionaryList::Instance(); }

    TProgram program;
    TfrmRhymeDict::FrameFactory placeholderFrame;
    QTimer modalTimer;
    QStringList modals;
};

// Counts the word-changed notifications and the word current at each.
class WordListener
{
public:
    explicit WordListener(TDictionaryList &dict) : dict_(dict)
    {
        dict.WordChanged.Add({0, 1}, &WordListener::Heard, this);
    }
    ~WordListener()
    {
        if (TDictionaryList::Exists())
            dict_.WordChanged.Remove(&WordListener::Heard, this);
    }
    void Heard(QObject *) { words << dict_.GetWord(); }
    QStringList words;

private:
    TDictionaryList &dict_;
};
