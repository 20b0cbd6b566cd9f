#include "OptionsFixture.h"

#include "EditorOptions.h"
#include "UIOptions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

class OptionsFormTest : public OptionsFixture
{
};

// Every node's path, depth first.
QStringList NodePaths(QTreeWidget *tree)
{
    QStringList paths;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        paths << OptionsNodePath(*it);
    return paths;
}

// Runs steps on the dialog once it is the modal window, while Execute waits for it to close.
void OnModal(const std::function<void(TOptionsForm &)> &steps)
{
    QTimer::singleShot(0, [steps] {
        auto *form = qobject_cast<TOptionsForm *>(QApplication::activeModalWidget());
        if (!form) {
            ADD_FAILURE() << "no options dialog";
            return;
        }
        steps(*form);
    });
}

} // namespace

TEST_F(OptionsFormTest, TreeFollowsTheRegisteredPages)
{
    struct Case
    {
        const char *mainForm;
        QStringList paths;
    };
    const Case cases[] = {
        {"",
         {"UI", "Editor", "Editor|Font", "Dictionary", "Online dictionaries",
          "Online dictionaries|DICT servers"}},
        {"EnableUIFonts=1\r\n",
         {"UI", "UI|Font", "Editor", "Editor|Font", "Dictionary", "Online dictionaries",
          "Online dictionaries|DICT servers"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mainForm);
        Settings(QByteArray("[MainForm]\r\n") + c.mainForm);
        auto form = Form();
        EXPECT_EQ(NodePaths(form->TreeView1()), c.paths);
        // Each page sits under its full title and shows when its node is chosen.
        ASSERT_EQ(form->pgctrlOptions()->count(), int(c.paths.size()));
        EXPECT_EQ(form->ActivePageTitle(), QStringLiteral("UI"));
        for (QTreeWidgetItemIterator it(form->TreeView1()); *it; ++it) {
            form->TreeView1()->setCurrentItem(*it);
            auto *page = qobject_cast<TOptionsFrame *>(form->pgctrlOptions()->currentWidget());
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(page->Title(), OptionsNodePath(*it));
        }
    }
}

TEST_F(OptionsFormTest, RefusedTabStopsKeepTheDialogAndCancelChangesNothing)
{
    QByteArray before;
    bool stayed = false, editorShown = false, boxFocused = false;
    OnModal([&](TOptionsForm &form) {
        before = SettingsFile();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        auto *page = PageOf<TEditorOptions>(form);
        page->ckWordWrap()->setChecked(true);
        page->ckSmartTabs()->setChecked(true);
        PageOf<TUIOptions>(form)->ckTabButtons()->setChecked(true);
        page->edtTabStops()->setText(QStringLiteral("four"));
        QTest::mouseClick(form.btnOK(), Qt::LeftButton);
        stayed = form.isVisible();
        editorShown = form.pgctrlOptions()->currentWidget() == page &&
                      form.TreeView1()->currentItem()->text(0) == QStringLiteral("Editor");
        boxFocused = QApplication::focusWidget() == page->edtTabStops();
        QTest::mouseClick(form.btnCancel(), Qt::LeftButton);
    });
    TNotificationCount tabStyle(Dict().TabStyleChanged);
    EXPECT_FALSE(TOptionsForm::Execute(nullptr, Context()));
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(editorShown);
    EXPECT_TRUE(boxFocused);
    EXPECT_EQ(messages, QStringList{"Invalid value for option 'Tab Stops'"});
    EXPECT_EQ(SettingsFile(), before);
    EXPECT_EQ(tabStyle.count, 0);
    EXPECT_FALSE(editor.WordWrap());
    EXPECT_FALSE(editor.SmartTabs);
}

TEST_F(OptionsFormTest, OkWithoutChangesRewritesAndReloads)
{
    OnModal([this](TOptionsForm &form) {
        // The list on disk changes while the dialog is open: OK loads it anew.
        WriteList(QStringLiteral("rpoetry.dat"), {{"UHV", "2@Of dove"}});
        QTest::mouseClick(form.btnOK(), Qt::LeftButton);
    });
    TNotificationCount tabStyle(Dict().TabStyleChanged);
    ASSERT_TRUE(TOptionsForm::Execute(nullptr, Context()));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    const QByteArray file = SettingsFile();
    EXPECT_TRUE(file.contains("[Editor]\r\nPersistentBlocks=0\r\nSmartTabs=0\r\nTabStops=8\r\n"))
        << file.toStdString();
    EXPECT_FALSE(file.contains("[Font]")) << file.toStdString(); // the font is as it was
    EXPECT_EQ(Dict().Lookup(2, QStringLiteral("UHV")), QStringLiteral("2@Of dove"));
    EXPECT_EQ(tabStyle.count, 1);
}
