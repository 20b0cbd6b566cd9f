#pragma once

#include "WordExplorerWindow.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>

class TLexDatabase;

// The word explorer as a component: it owns the database and the window's settings and runs the
// window modally. The database outlives the window, so its directory and block cache are kept
// between runs.
class TCustomWordExplorer : public QObject
{
    Q_OBJECT

public:
    explicit TCustomWordExplorer(QObject *parent = nullptr);
    ~TCustomWordExplorer() override;

    QString Caption;
    QString CopyButtonCaption;
    TCopyButtonPressAction CopyClickAction = cbpCloseAndReturn;
    bool FreeOnClose = true;
    TListDoubleClickAction ListDblClickAction = ldcLookupWord;
    QString LookupWord;
    bool MatchPartOfSpeech = true;
    bool RememberPosition = true;
    bool ScreenCentered = true;
    bool TryDerivedForms = true;
    int FontSize = 0;
    std::function<void()> OnCopyClick;
    std::function<void()> OnExecute;

    // Passed to the database at once; it refuses a change while its file is open.
    void SetDatabaseFile(const QString &file);
    QString DatabaseFile() const;
    void SetDefinitionsHeightPercent(int percent);
    int DefinitionsHeightPercent() const { return definitionsPercent_; }

    // Runs the window modally; true when it closed with OK. Throws ELexError, freeing the window
    // when FreeOnClose is set.
    bool Execute();
    // The word chosen in the window while it exists, else the one kept from the last run.
    QString SelectedWord() const;
    TLexDatabase &Database() const { return *db_; }
    TWordExplorerForm *Form() const { return form_; }

protected:
    QRect bounds_{40, 40, 500, 340};

private:
    void Prepare(bool fresh);

    std::unique_ptr<TLexDatabase> db_;
    QPointer<TWordExplorerForm> form_;
    QString selectedWord_;
    int definitionsPercent_ = 35;
};

// Adds the window's position and size.
class TWordExplorer : public TCustomWordExplorer
{
    Q_OBJECT

public:
    using TCustomWordExplorer::TCustomWordExplorer;

    int WinLeft() const { return bounds_.left(); }
    int WinTop() const { return bounds_.top(); }
    int WinWidth() const { return bounds_.width(); }
    int WinHeight() const { return bounds_.height(); }
    // Placing the window clears ScreenCentered.
    void SetWinLeft(int left);
    void SetWinTop(int top);
    void SetWinWidth(int width) { bounds_.setWidth(width); }
    void SetWinHeight(int height) { bounds_.setHeight(height); }
};
