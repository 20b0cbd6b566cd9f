#pragma once

#include "AppFolderFixture.h"
#include "DictEditor.h"
#include "OptionsRegistry.h"
#include "VerseGutters.h"
#include "frmOptions.h"

#include <QStringList>

#include <memory>

// Hears one of the dictionary set's notifications, in both modes.
class TNotificationCount
{
public:
    explicit TNotificationCount(TEvent &event) : event_(event)
    {
        event_.Add({0, 1}, &TNotificationCount::Heard, this);
    }
    ~TNotificationCount()
    {
        if (TDictionaryList::Exists())
            event_.Remove(&TNotificationCount::Heard, this);
    }
    void Heard(QObject *) { ++count; }
    int count = 0;

private:
    TEvent &event_;
};

// Gutters that remember the counting setting they were last told to follow.
class TGutterRecorder : public TVerseGutters
{
public:
    void SetMeterVisible(bool) override {}
    void ApplySyllableSettings() override
    {
        ++applied;
        fromDictionary = TDictSettings::Instance().GetSyllablesFromDictionary();
    }
    int applied = 0;
    bool fromDictionary = true;
};

// An application folder with small word lists and a settings file of the test's own; the
// dialog is built over a verse editor, and its messages are collected instead of shown.
class OptionsFixture : public AppFolderFixture
{
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        WriteList(QStringLiteral("rdict.dat"), {{"love", "UHV"}});
        WriteList(QStringLiteral("sdxdict.dat"), {{"V100", "love"}});
        WriteList(QStringLiteral("rpoetry.dat"), {{"UHV", "1@Of love"}});
        Settings("[MainForm]\r\nFileHistoryCount=8\r\n");
    }

    void Settings(const QByteArray &bytes)
    {
        dir.write(QStringLiteral("settings.ini"), bytes);
        TDictSettings::FreeInstance();
        RegisterOptionsPages();
    }
    QByteArray SettingsFile() const { return dir.read(QStringLiteral("settings.ini")); }

    TOptionsContext Context()
    {
        TOptionsContext context;
        context.editor = &editor;
        context.gutters = &gutters;
        context.ShowMessage = [this](const QString &message) { messages << message; };
        return context;
    }
    std::unique_ptr<TOptionsForm> Form() { return std::make_unique<TOptionsForm>(Context()); }

    template <typename Page> static Page *PageOf(const TOptionsForm &form)
    {
        for (TOptionsFrame *frame : form.Pages())
            if (auto *page = qobject_cast<Page *>(frame))
                return page;
        return nullptr;
    }

    static TDictSettings &Store() { return TDictSettings::Instance(); }
    static TDictionaryList &Dict() { return TDictionaryList::Instance(); }

    TDictEditor editor;
    TGutterRecorder gutters;
    QStringList messages;
};
