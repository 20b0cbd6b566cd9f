#pragma once

#include "DictFrame.h"

#include <QStringList>

class QStackedWidget;
class TListBox;
class TResultsMemo;

// A panel that shows a "#"-separated entry either as a list (one word per row, page TabSheet1)
// or as one wrapped paragraph (mData, page TabSheet2), following the global display style.
// A click makes the clicked word current; a double-click picks it for the verse editor.
class TWordListFrame : public TDictFrame
{
    Q_OBJECT

public:
    struct Options
    {
        QString listName;            // object name of the list box
        int itemHeight = 16;         // of list rows
        bool sorted = true;          // alphabetically, regardless of case
        bool listDoubleClick = true; // whether a double-click on a row picks it
    };

    TWordListFrame(QWidget *owner, int mode, const Options &options);
    ~TWordListFrame() override;

    QStackedWidget *PageControl1() const { return pageControl_; }
    QWidget *TabSheet1() const { return tabSheet1_; }
    QWidget *TabSheet2() const { return tabSheet2_; }
    TListBox *ListBox() const { return list_; }
    TResultsMemo *mData() const { return memo_; }

    // Notification handlers.
    void WordChange(QObject *sender);
    void DisplayStyleChange(QObject *sender);
    void UIFontChange(QObject *sender);

protected:
    // Fills the panel for the current word; does nothing unless the panel is live.
    virtual void Refresh() = 0;
    // The last step of a panel's construction: font, page and contents.
    void Start();
    void Unsubscribe();
    static bool Wrap();

    // Clears the memo and shows entry joined (wrap style).
    void ShowJoined(const QString &entry);
    // Clears the list and shows entry one word per row (list style).
    void ShowSplit(const QString &entry);
    // Makes a memo selection invisible (window colours).
    void SetHideSelection(bool hide);

    void ListBoxClick();
    void ListBoxDblClick();
    void mDataClick();
    void mDataDblClick();

private:
    void BuildPages(const Options &options);
    void LookUp(const QString &text);

    QStackedWidget *pageControl_ = nullptr;
    QWidget *tabSheet1_ = nullptr;
    QWidget *tabSheet2_ = nullptr;
    TListBox *list_ = nullptr;
    TResultsMemo *memo_ = nullptr;
    bool sorted_ = true;
    bool hideSelection_ = false;
};
