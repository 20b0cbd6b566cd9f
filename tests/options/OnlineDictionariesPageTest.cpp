#include "OptionsFixture.h"

#include "FrameAdvanced.h"
#include "OnlineDictionaryOptions.h"
#include "OnlineEditForm.h"
#include "OnlinePanels.h"
#include "PanelRegistry.h"
#include "WebDictionaryEntry.h"
#include "frmSimple.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace {

class OnlineDictionariesPageTest : public OptionsFixture
{
protected:
    // The edit dialog as a user fills it and presses OK (the name box only while enabled);
    // records each caption with the template shown, and why OK was refused.
    void FillEditForm(TfrmOnlineDictionaryOptions &page, const char *name, const char *format)
    {
        page.RunEditForm = [this, name, format](TOnlineEditForm &form) {
            captions << form.windowTitle() + QLatin1Char(' ') + form.edtFormat()->text();
            if (form.edtName()->isEnabled())
                form.edtName()->setText(QString::fromUtf8(name));
            form.edtFormat()->setText(QString::fromUtf8(format));
            form.accept();
            refusal = !form.lblRefused()->isHidden() ? form.lblRefused()->text() : QString();
            return form.result() == QDialog::Accepted;
        };
    }
    static QStringList Items(const QListWidget *list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << (list->item(i)->checkState() == Qt::Checked ? "+" : "-") +
                         list->item(i)->text();
        return items;
    }
    static QStringList TabTexts(QTabWidget *pages)
    {
        QStringList texts;
        for (int i = 0; i < pages->count(); ++i)
            texts << pages->tabText(i);
        return texts;
    }

    QStringList captions;
    QString refusal;
};

} // namespace

TEST(WebDictionaryEntry, RefusesWhatCannotBeStoredOrFilled)
{
    const QStringList taken{"Wikipedia", "google"};
    for (const auto &[name, ok] : {std::pair{"Merriam", true},
                                   {" ", false},
                                   {"a=b", false},
                                   {"x]", false},
                                   {"GOOGLE", false}})
        EXPECT_EQ(WebDictionaryNameError(QString::fromLatin1(name), taken).isEmpty(), ok) << name;
    for (const auto &[format, ok] : {std::pair{"http://x/?q=a%%3A+%s", true},
                                     {"http://x/", true},
                                     {"http://x/%d", false},
                                     {"http://x/100%", false}})
        EXPECT_EQ(WebDictionaryTemplateError(QString::fromLatin1(format)).isEmpty(), ok) << format;
}

TEST_F(OnlineDictionariesPageTest, AddEditAndUncheckChangeTheCurrentModesTabsAtOnce)
{
    RegisterLookupPanels();
    RegisterOnlinePanels();
    Settings("[MainForm]\r\nIsAdvanced=1\r\n[OnlineDictionaries]\r\n"
             "Wikipedia=http://127.0.0.1:9/wiki/%s\r\nWiktionary=http://127.0.0.1:9/w/%s\r\n");
    TFrameAdvanced advanced(nullptr, nullptr);
    advanced.Initialize(1);
    TFrameSimple simple(nullptr, nullptr);
    simple.Initialize(0);
    const QStringList lookupTabs = TabTexts(simple.pgcntrlSimple());
    const int editorPages = advanced.PageControl1()->count();
    ASSERT_EQ(advanced.WebTabCount(), 2);

    auto form = Form();
    auto *page = PageOf<TfrmOnlineDictionaryOptions>(*form);
    QListWidget *list = page->CheckListBox1();
    EXPECT_FALSE(page->btnEdit()->isEnabled());

    FillEditForm(*page, "Local", "http://127.0.0.1:9/%x");
    page->btnAdd()->click();
    EXPECT_FALSE(refusal.isEmpty());
    FillEditForm(*page, "Local", "http://127.0.0.1:9/local/%s");
    page->btnAdd()->click();
    EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
    EXPECT_EQ(captions.last(), QStringLiteral("Add Online Dictionary "));

    list->setCurrentRow(1);
    ASSERT_TRUE(page->btnEdit()->isEnabled());
    FillEditForm(*page, nullptr, "http://127.0.0.1:9/wikt/%s");
    page->btnEdit()->click();
    EXPECT_EQ(captions.last(), QStringLiteral("Edit Wiktionary http://127.0.0.1:9/w/%s"));
    list->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(Items(list), QStringList({"-Wikipedia=http://127.0.0.1:9/wiki/%s",
                                        "+Wiktionary=http://127.0.0.1:9/wikt/%s",
                                        "+Local=http://127.0.0.1:9/local/%s"}));
    // Nothing is stored before OK.
    EXPECT_FALSE(SettingsFile().contains("Local"));

    form->accept();
    form->ApplyPages();
    EXPECT_EQ(TabTexts(advanced.PageControl1()).mid(editorPages - 2),
              QStringList({"Wiktionary", "Local"}));
    EXPECT_EQ(TabTexts(simple.pgcntrlSimple()), lookupTabs); // not the current mode's host
    EXPECT_FALSE(Store().IsOnlineLookupEnabled(QStringLiteral("Wikipedia")));
    EXPECT_EQ(Store().PeekOnlineDictionaries(),
              QStringList({"Wikipedia=http://127.0.0.1:9/wiki/%s",
                           "Wiktionary=http://127.0.0.1:9/wikt/%s",
                           "Local=http://127.0.0.1:9/local/%s"}));
}
