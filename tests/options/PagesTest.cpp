#include "OptionsFixture.h"

#include "DictionaryOptions.h"
#include "EditorFontOptions.h"
#include "EditorOptions.h"
#include "FontOptions.h"
#include "SideChoice.h"
#include "UIOptions.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

namespace {

class PagesTest : public OptionsFixture
{
protected:
    // Accepts the dialog and applies its pages, as OK in the running program does.
    void Ok(TOptionsForm &form)
    {
        form.accept();
        ASSERT_EQ(form.result(), QDialog::Accepted) << messages.join(' ').toStdString();
        form.ApplyPages();
    }
};

} // namespace

TEST_F(PagesTest, UiPageShowsStoredSidesAndAppliesThem)
{
    Settings("[MainForm]\r\nUseDefaultPanelPos=0\r\nCommonTabSide=Left\r\n"
             "MoreTabSide=Right\r\n");
    auto form = Form();
    auto *page = PageOf<TUIOptions>(*form);
    EXPECT_FALSE(page->ckTabButtons()->isChecked());
    EXPECT_FALSE(page->rgCommon()->RightChosen());
    EXPECT_TRUE(page->rgMore()->RightChosen());
    page->ckTabButtons()->setChecked(true);
    page->rgCommon()->Right()->click();
    page->rgMore()->Left()->click();
    TNotificationCount sides(Dict().PanelSideChanged);
    Ok(*form);
    EXPECT_TRUE(Store().GetUITabsAsButtons());
    EXPECT_TRUE(Store().GetCommonTabSide());
    EXPECT_FALSE(Store().GetMoreTabSide());
    EXPECT_EQ(sides.count, 2);
}

TEST_F(PagesTest, EditorPageLoadsStoredValuesAndSetsTheEditor)
{
    Settings("[MainForm]\r\nEditorWordWrap=0\r\n[Editor]\r\nTabStops=4\r\n");
    editor.SmartTabs = true;
    auto form = Form();
    auto *page = PageOf<TEditorOptions>(*form);
    EXPECT_FALSE(page->ckWordWrap()->isChecked());
    EXPECT_TRUE(page->ckSmartTabs()->isChecked());
    EXPECT_TRUE(page->ckSyllablesFromDictionary()->isChecked());
    EXPECT_EQ(page->edtTabStops()->text(), QStringLiteral("4"));

    page->ckWordWrap()->setChecked(true);
    page->ckSmartTabs()->setChecked(false);
    page->ckPersistentBlocks()->setChecked(true);
    page->ckSyllablesFromDictionary()->setChecked(false);
    page->edtTabStops()->setText(QStringLiteral(" 3 "));
    Ok(*form);
    // The gutters are told after the setting is stored, so they count by the rule at once.
    EXPECT_EQ(gutters.applied, 1);
    EXPECT_FALSE(gutters.fromDictionary);
    EXPECT_TRUE(editor.WordWrap());
    EXPECT_FALSE(editor.SmartTabs);
    EXPECT_EQ(editor.TabStops(), 3);
    EXPECT_TRUE(Store().GetPersistentBlocks(false));
    EXPECT_EQ(Store().GetTabStops(), 3);

    for (const char *text : {"", "3.5", "0", "-2", "0x10", "four"}) {
        page->edtTabStops()->setText(QString::fromLatin1(text));
        EXPECT_THROW(page->Validate(), EInvalidOptionException) << text;
    }
}

TEST_F(PagesTest, EditorPageShowsAndSwitchesTheEditorsPersistentBlocks)
{
    // Stored on but not applied at start: the page shows the editor's own state.
    Settings("[MainForm]\r\nFileHistoryCount=8\r\n[Editor]\r\nPersistentBlocks=1\r\n");
    for (const bool on : {true, false}) {
        auto form = Form();
        auto *page = PageOf<TEditorOptions>(*form);
        EXPECT_EQ(page->ckPersistentBlocks()->isChecked(), !on);
        page->ckPersistentBlocks()->setChecked(on);
        Ok(*form);
        EXPECT_EQ(editor.PersistentBlocks(), on);
        EXPECT_EQ(Store().GetPersistentBlocks(!on), on);
    }
}

TEST_F(PagesTest, FontPagesEditTheirOwnStoredFont)
{
    Settings("[MainForm]\r\nEnableUIFonts=1\r\n"
             "[Font]\r\nFace=DejaVu Serif\r\nSize=12\r\nColor=255\r\nStyle=2\r\n"
             "[UIFont]\r\nFace=Arial\r\nSize=40\r\nStyle=1\r\n");
    auto form = Form();
    TFontOptions *editorPage = PageOf<TFontOptions>(*form);
    auto *uiPage = PageOf<TEditorFontOptions>(*form);
    ASSERT_NE(uiPage, nullptr);
    EXPECT_EQ(editorPage->cmbFonts()->currentText(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(editorPage->cmbSizes()->currentText(), QStringLiteral("12"));
    EXPECT_TRUE(editorPage->ckItalic()->isChecked() && !editorPage->ckBold()->isChecked());
    // A scalable face lists 7 to 30, so the stored 40 is not there; a face that is not installed
    // keeps its name and offers the sizes of the face standing in for it.
    EXPECT_EQ(uiPage->cmbSizes()->count(), 24);
    EXPECT_EQ(uiPage->cmbSizes()->currentText(), QStringLiteral("7"));
    EXPECT_EQ(uiPage->cmbFonts()->currentText(), QStringLiteral("Arial"));

    editorPage->cmbSizes()->setCurrentText(QStringLiteral("14"));
    editorPage->ckBold()->setChecked(true);
    EXPECT_EQ(QFontInfo(editorPage->mSample()->font()).family(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(editorPage->mSample()->font().bold() && editorPage->mSample()->font().italic());
    TNotificationCount editorFont(Dict().EditorFontChanged);
    TNotificationCount uiFont(Dict().UIFontChanged);
    Ok(*form);
    TFontInfo stored;
    Store().ReadFont(QStringLiteral("Font"), stored);
    EXPECT_EQ(stored, (TFontInfo{QStringLiteral("DejaVu Serif"), 14, 255, true, true}));
    EXPECT_EQ(Dict().GetEditorFont(), stored);
    Store().ReadFont(QStringLiteral("UIFont"), stored);
    EXPECT_EQ(stored, (TFontInfo{QStringLiteral("Arial"), 7, TFontInfo().Color, true}));
    EXPECT_EQ(editorFont.count, 1);
    EXPECT_EQ(uiFont.count, 1);
}

TEST_F(PagesTest, DictionaryPageChecksOneListAndKeepsAWorkingOne)
{
    WriteList(QStringLiteral("other.dat"), {{"UHV", "2@Other love"}});
    dir.write(QStringLiteral("bad.dat"), QByteArray("DIHC\x02\x01\x02\x08", 8));
    Settings("[MainForm]\r\nRhymeLineName=Poetry\r\n[RhymeLineDictionaryList]\r\n"
             "Poetry=rpoetry.dat\r\nOther=other.dat\r\nGone=gone.dat\r\nBad=bad.dat\r\n");
    struct Case
    {
        int row;
        const char *name, *line;
        bool refused;
    };
    const Case cases[] = {
        {1, "Other", "2@Other love", false},
        {2, "Other", "2@Other love", true}, // no file
        {3, "Other", "2@Other love", true}, // damaged file
        {0, "Poetry", "1@Of love", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        messages.clear();
        auto form = Form();
        QListWidget *list = PageOf<TDictionaryOptions>(*form)->CheckListBox1();
        ASSERT_EQ(list->count(), 4);
        list->item(c.row)->setCheckState(Qt::Checked);
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->item(i)->checkState() == Qt::Checked, i == c.row) << i;
        Ok(*form);
        EXPECT_EQ(Store().GetRhymeLineName(), QString::fromLatin1(c.name));
        EXPECT_EQ(Dict().Lookup(2, QStringLiteral("UHV")), QString::fromLatin1(c.line));
        EXPECT_EQ(messages.size(), c.refused ? 1 : 0);
    }
}

TEST(FontFamilies, AFamilyOfSeveralFoundriesIsListedOnce)
{
    const QStringList listed = {QStringLiteral("Nimbus Sans [URW ]"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Nimbus Sans [UKWN]"),
                                QStringLiteral("Bitstream [Charter] Pro [B&H]")};
    EXPECT_EQ(TFontOptions::FamilyNames(listed),
              (QStringList{QStringLiteral("Bitstream [Charter] Pro"), QStringLiteral("DejaVu Sans"),
                           QStringLiteral("Nimbus Sans")}));
}

TEST_F(PagesTest, UiPageTurnsTheUpdateCheckOffAndOn)
{
    const struct
    {
        QByteArray stored;
        bool shown;
    } cases[] = {{"", true}, {"[MainForm]\r\nCheckForUpdates=0\r\n", false}};
    for (const auto &c : cases) {
        Settings(c.stored);
        auto form = Form();
        auto *page = PageOf<TUIOptions>(*form);
        EXPECT_EQ(page->ckCheckUpdates()->isChecked(), c.shown) << c.stored.constData();
        EXPECT_EQ(page->ckCheckUpdates()->text(), QStringLiteral("Check for updates at start"));
        page->ckCheckUpdates()->click();
        Ok(*form);
        EXPECT_EQ(Store().GetCheckForUpdates(), !c.shown) << c.stored.constData();
    }
}
