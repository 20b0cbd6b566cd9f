#pragma once

#include "DictFrame.h"
#include "DictSession.h"
#include "PageAware.h"

class QComboBox;
class QFrame;
class QLabel;
class QTabWidget;
class QTimer;
class TDefinitionMemo;

// The DICT panel: definitions of the current lookup word from a DICT server, shown while its
// page is the host's current page. Two drop-down lists above the text choose the database and
// the search strategy. Lookups never block the window; a word changed while one is under way
// abandons it, and one lookup for the newest word follows.
class TfrmOnline : public TDictFrame, public TPageAware
{
    Q_OBJECT

public:
    TfrmOnline(QWidget *owner, int mode);
    ~TfrmOnline() override;
    static void Register();

    void SetActive(bool active) override;
    bool Active() const { return active_; }
    void LookUp();

    TDefinitionMemo *ResultMemo1() const { return resultMemo_; }
    QComboBox *cmbDatabases() const { return cmbDatabases_; }
    QComboBox *cmbStrategies() const { return cmbStrategies_; }
    QFrame *pnlSearchOptions() const { return pnlSearchOptions_; }
    TDictSession &Session() { return session_; }
    QString LastWord() const { return lastWord_; }
    // Whether part of the last answer still waits to be shown.
    bool Appending() const { return pendingAt_ < pendingText_.size(); }
    // Characters shown per pass of the event loop.
    static constexpr qsizetype PieceChars = 64 * 1024;

private:
    void BuildControls();
    QWidget *BuildSearchOptions();
    void WordChange(QObject *sender);
    void UIFontChange(QObject *sender);
    void OnlineDictionariesChange(QObject *sender);
    void RememberChoice();
    void ApplyFont();
    void FillLists();
    void ShowAnswer(const QString &text);
    void AppendPiece();
    void LookUpReference(const QString &word);

    TDictSession session_;
    bool active_ = false;
    bool restartPending_ = false;
    QString lastWord_;
    // A large answer goes into the text a piece per pass of the event loop, so the window
    // never stalls on it.
    QString pendingText_;
    qsizetype pendingAt_ = 0;
    QTimer *pieceTimer_ = nullptr;
    int lastDatabase_ = -1;
    int lastStrategy_ = -1;
    QTabWidget *pageControl_ = nullptr;
    TDefinitionMemo *resultMemo_ = nullptr;
    QFrame *pnlSearchOptions_ = nullptr;
    QLabel *lblDatabases_ = nullptr;
    QLabel *lblStrategy_ = nullptr;
    QComboBox *cmbDatabases_ = nullptr;
    QComboBox *cmbStrategies_ = nullptr;
};
