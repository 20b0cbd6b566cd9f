#pragma once

#include "AppComponents.h"
#include "AppFolderFixture.h"
#include "DictionaryList.h"
#include "OnlinePanels.h"
#include "PanelRegistry.h"
#include "Settings.h"

#include <QAction>
#include <QObject>
#include <QStringList>

// The main window's progress actions, counted.
class TProgressActions : public QObject
{
public:
    TProgressActions()
    {
        for (const char *name : {"actStartStatus", "actUpdateStatus", "actEndStatus",
                                 "actUpdateInfo", "actUpdateLookup"}) {
            auto *action = new QAction(this);
            action->setObjectName(QString::fromLatin1(name));
            connect(action, &QAction::triggered, this,
                    [this, action] { triggered << action->objectName(); });
        }
        RegisterAppComponent(this);
    }
    int Count(const char *name) const { return int(triggered.count(QString::fromLatin1(name))); }
    QStringList triggered;
};

// An application folder with small word lists, the online panels registered and the DICT
// servers of the test.
class OnlineFixture : public AppFolderFixture
{
protected:
    void SetUp() override
    {
        AppFolderFixture::SetUp();
        WriteList(QStringLiteral("rdict.dat"), {{"brine", "AYN"}, {"AYN", "brine#shine"}});
        WriteList(QStringLiteral("sdxdict.dat"), {{"x", "y"}});
        WriteList(QStringLiteral("rpoetry.dat"), {{"x", "y"}});
        RegisterLookupPanels();
        RegisterOnlinePanels();
    }
    static void UseServers(const QStringList &entries)
    {
        QStringList hosts, ports;
        for (const QString &entry : entries) {
            hosts << entry.section(QLatin1Char('='), 0, 0);
            ports << entry.section(QLatin1Char('='), 1);
        }
        TDictSettings::Instance().Ini().WriteStrings(QStringLiteral("Dictionary_Servers"), hosts,
                                                     ports);
    }
    static void UseMode(int mode) { TDictSettings::Instance().SetIsAdvanced(mode == 1); }
    static TDictionaryList &Dict() { return TDictionaryList::Instance(); }

    TProgressActions actions;
};
