#pragma once

#include "AppComponents.h"
#include "AppFolderFixture.h"
#include "AppFolders.h"
#include "DictionaryList.h"
#include "Settings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QListView>
#include <QObject>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>

#include <initializer_list>
#include <memory>
#include <utility>

// Stand-ins for the main window's actions that panels run or uncheck.
class FakeActions : public QObject
{
public:
    FakeActions()
    {
        for (const char *name : {"actUpdateInfo", "actUpdateLookup", "actVerseFormsUpdate",
                                 "actViewRhymes", "actViewPhrases", "actViewRoundex"}) {
            auto *action = new QAction(this);
            action->setObjectName(QString::fromLatin1(name));
            action->setCheckable(QByteArray(name).startsWith("actView"));
            action->setChecked(action->isCheckable());
            connect(action, &QAction::triggered, this,
                    [this, action] { triggered << action->objectName(); });
        }
        RegisterAppComponent(this);
    }
    QAction *Action(const QString &name) const { return findChild<QAction *>(name); }
    QStringList triggered;
};

// An application folder of the test's own, with the main window's actions stood in for.
class PanelFixture : public AppFolderFixture
{
protected:
    void TearDown() override
    {
        actions.reset();
        AppFolderFixture::TearDown();
    }
    // Before the dictionary set is first asked for.
    static void UseListStyle(bool list) { TDictSettings::Instance().SetIsListMode(list); }
    static void UseMode(int mode) { TDictSettings::Instance().SetIsAdvanced(mode == 1); }
    static TDictionaryList &Dict() { return TDictionaryList::Instance(); }

    static QStringList Rows(const QListView *list)
    {
        QStringList rows;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            rows << list->model()->index(i, 0).data().toString();
        return rows;
    }
    // A double-click as the platform delivers it: press, release, double-click, release.
    static void DoClick(QWidget *target, QPoint at, bool dbl)
    {
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        if (!dbl)
            return;
        QTest::mouseDClick(target, Qt::LeftButton, {}, at);
        QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    }
    static void ClickRow(QListView *list, int row, bool dbl = false)
    {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        DoClick(list->viewport(), at, dbl);
    }
    // Clicks (or double-clicks, which begins with a click) the memo at text position pos.
    static void ClickText(QPlainTextEdit *memo, int pos, bool dbl = false)
    {
        QTextCursor cursor(memo->document());
        cursor.setPosition(pos);
        const QPoint at = memo->cursorRect(cursor).center() + QPoint(1, 0);
        DoClick(memo->viewport(), at, dbl);
    }
    template <class W> static std::unique_ptr<W> Shown(W *widget, int w = 220, int h = 300)
    {
        widget->resize(w, h);
        widget->show();
        return std::unique_ptr<W>(widget);
    }

    std::unique_ptr<FakeActions> actions = std::make_unique<FakeActions>();
};
