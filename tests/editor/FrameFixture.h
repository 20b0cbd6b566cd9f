#pragma once

#include "AppComponents.h"
#include "AppFolders.h"
#include "DictEditor.h"
#include "DictionaryList.h"
#include "DocumentCommands.h"
#include "EditorGutter.h"
#include "Event.h"
#include "FrameAdvanced.h"
#include "Settings.h"
#include "SpellChecker.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include <memory>

// Stand-ins for the data module's actions and its action notification.
class FakeActions : public QObject
{
public:
    FakeActions()
    {
        for (const char *name :
             {"actUpdateInfo", "actUpdateLookup", "actVerseFormsUpdate", "actViewLineNumbers",
              "actViewSyllableCnt", "actViewCustomDataGutter", "FileNew1", "FileOpen1", "FileOpen2",
              "FileOpen3", "FileSave1", "FileSaveAs1", "FileClose1", "actOpenRecent",
              "actFileNameChange", "actSpellCheck"}) {
            auto *action = new QAction(this);
            action->setObjectName(QString::fromLatin1(name));
            action->setCheckable(QByteArray(name).startsWith("actView"));
            action->setChecked(action->isCheckable());
            connect(action, &QAction::triggered, this, [this, action] {
                triggered << action->objectName();
                if (action->objectName() == QLatin1String("actUpdateLookup"))
                    lookupBox << action->text();
            });
        }
        RegisterAppComponent(this);
    }
    QAction *Action(const char *name) const { return findChild<QAction *>(name); }
    QStringList triggered;
    QStringList lookupBox;
};

// A shown frame in Cadenzio mode over an empty application folder of its own.
class FrameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TDictionaryList::FreeInstance();
        TDictSettings::FreeInstance();
        TSpellChecker::FreeInstance(); // the next one reads this test's folder
        OverrideAppFolder(dir.path());
        TDictSettings::Instance().SetIsAdvanced(true);
        actions = std::make_unique<FakeActions>();
        frame = std::make_unique<TFrameAdvanced>(nullptr, &actionEvent);
        frame->Documents()->SetActions({.New = actions->Action("FileNew1"),
                                        .OpenFromAppFolder = actions->Action("FileOpen1"),
                                        .OpenFromDocuments = actions->Action("FileOpen2"),
                                        .OpenFromLastFolder = actions->Action("FileOpen3"),
                                        .OpenRecent = actions->Action("actOpenRecent"),
                                        .Save = actions->Action("FileSave1"),
                                        .SaveAs = actions->Action("FileSaveAs1"),
                                        .Close = actions->Action("FileClose1")});
        frame->resize(600, 400);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        editor()->setFocus();
    }
    void TearDown() override
    {
        frame.reset();
        actions.reset();
        TDictionaryList::FreeInstance();
        TDictSettings::FreeInstance();
        TSpellChecker::FreeInstance();
    }

    TDictEditor *editor() const { return frame->plMain(); }
    static TDictionaryList &Dict() { return TDictionaryList::Instance(); }
    void SetText(const QString &text, int caret)
    {
        editor()->setPlainText(text);
        QTextCursor cursor = editor()->textCursor();
        cursor.setPosition(caret);
        editor()->setTextCursor(cursor);
    }
    // Runs an action as the data module does: its notification with the action as sender.
    void Broadcast(const char *name, bool checked = true)
    {
        QAction *action = actions->Action(name);
        action->setChecked(checked);
        actionEvent.Notify(action);
    }

    TempDir dir;
    TEvent actionEvent;
    std::unique_ptr<FakeActions> actions;
    std::unique_ptr<TFrameAdvanced> frame;
};
