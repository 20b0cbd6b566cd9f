#pragma once

#include "TabStyle.h"
#include "VerseFormCheck.h"
#include "VerseGutters.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QTabWidget;
class TAlignPanel;
class TDocumentCommands;
class TDictEditor;
class TEditorGutter;
struct TGutterNote;
class TEvent;
class TWebTabs;

// The centre of Cadenzio mode: a page control whose first tab is the verse editor with its
// line-number, syllable, meter and verse-form gutters. The word under the caret is looked up
// live, and a word picked in a lookup panel replaces the word at the caret.
class TFrameAdvanced : public QWidget, public TTabStyled, public TVerseGutters
{
    Q_OBJECT
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)

public:
    static constexpr int NoteMs = 10000; // how long a note stays in the status bar

    // actionEvent: the data module's action notification (may be null, then no actions arrive).
    TFrameAdvanced(QWidget *parent, TEvent *actionEvent);
    ~TFrameAdvanced() override;

    // Tells the data module whether a document is open.
    std::function<void(bool open)> DocumentOpenHook;
    // Shows a failed verse-form load or document read or write; a message box unless replaced.
    std::function<void(const QString &message)> ReportError;
    // Tells the end of the spell check; a message box unless replaced.
    std::function<void(const QString &message)> ShowMessage;

    Q_INVOKABLE void Initialize(int mode);
    Q_INVOKABLE bool CloseQuery();
    // At program start: offers the text that runs which are gone left unsaved.
    void OfferRecovery();
    QString FileName() const;
    void SetFileName(const QString &name);
    TDocumentCommands *Documents() const { return documents_.get(); }

    void ShowEditor();
    void PlaceTabPanels();
    void PageControl1Change(int index);
    void RebuildWebTabs();
    int WebTabCount() const;
    void ReloadVerseForms();
    void UpdateVerseFormWidth();
    void UpdateLineNumberWidth();
    void ApplyGutterSettings();
    void SetTabsAsButtons(bool asButtons) override;
    void SetMeterVisible(bool visible) override;
    void SetRhymeSchemeVisible(bool visible) override;
    void ApplySyllableSettings() override;

    TDictEditor *plMain() const { return plMain_; }
    QTabWidget *PageControl1() const { return pageControl_; }
    TAlignPanel *AlignPanel1() const { return alignPanel_; }
    TEditorGutter *pgLineNumbers() const { return lineNumbers_; }
    TEditorGutter *pgSyllables() const { return syllables_; }
    TEditorGutter *pgMeter() const { return meter_; }
    TEditorGutter *pgRhymeScheme() const { return rhymeScheme_; }
    TEditorGutter *pgCustomData() const { return customData_; }
    const QStringList &VerseFormLines() const { return verseFormLines_; }
    bool PanelsPlaced() const { return panelsPlaced_; }

private:
    void PlaceOnPage(QWidget *page, const QString &className);
    void BuildPages();
    void BuildEditorPage(QWidget *page);
    void BuildGutters(QWidget *page);
    void ConnectEditor();
    void Subscribe();
    void Unsubscribe();
    void ConnectDocuments();
    QString ChooseFile(const QString &folder, bool save);
    void ShowThesaurus();
    void SpellCheck();

    QString pgSyllablesDrawItem(int row) const;
    QString pgCustomDataDrawItem(int row) const;
    QString pgMeterDrawItem(int row) const;
    QString pgRhymeSchemeDrawItem(int row) const;
    TGutterNote SchemeNote(int row) const;
    int CountSyllables(const QString &line) const;
    int LineOfFirstRow(int row) const;
    QString TextLine(int line) const;
    int PatternRowAt(int row) const;
    const std::vector<TLineCheck> &LineChecks() const;
    const TLineCheck *CheckOfRow(int row) const;
    void InvalidateChecks();
    bool FormShown() const;
    TGutterNote SyllableNote(int row) const;
    TGutterNote RhymeNote(int row) const;
    void UpdateGutters();

    void plMainChange();
    void plMainClick();
    void plMainKeyUp(int key);
    void plMainKeyDown(int key);
    void UpdateInfo();

    void ActionExecute(QObject *sender);
    void InsertPickedWord(QObject *sender);
    void EditorFontChange(QObject *sender);
    void UIFontChange(QObject *sender);
    void ModeChange(QObject *sender);
    void OnlineDictionariesChange(QObject *sender);

    TEvent *actionEvent_;
    std::unique_ptr<TDocumentCommands> documents_;
    QStringList verseFormLines_;
    TVerseFormCheck verseCheck_;
    mutable std::vector<TLineCheck> checks_;
    mutable bool checksValid_ = false;
    bool syllablesByTable_ = true;
    std::unique_ptr<TWebTabs> webTabs_;
    bool panelsPlaced_ = false;
    mutable QPointer<QAction> syllableAction_;

    QFrame *panel2_ = nullptr;
    QTabWidget *pageControl_ = nullptr;
    QWidget *tbEditor_ = nullptr;
    TAlignPanel *alignPanel_ = nullptr;
    TEditorGutter *lineNumbers_ = nullptr;
    TEditorGutter *syllables_ = nullptr;
    TEditorGutter *meter_ = nullptr;
    TEditorGutter *rhymeScheme_ = nullptr;
    TEditorGutter *customData_ = nullptr;
    TDictEditor *plMain_ = nullptr;
};
