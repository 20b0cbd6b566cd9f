#pragma once

#include "DIAnsiStringHash.h"
#include "Event.h"
#include "RhymeLookup.h"
#include "Settings.h"
#include "SyllableTable.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>

// The hub of every lookup: the three word lists, the current and picked words, the fonts and the
// notification lists. One instance per process, created on first request.
class TDictionaryList : public QObject
{
    Q_OBJECT

public:
    enum Slot
    {
        RhymeSlot = 0,
        RoundexSlot = 1,
        RhymeLineSlot = 2
    };
    static constexpr int DebounceMs = 200;

    // Throws the loader's error when a word-list file is damaged; the next call tries again.
    static TDictionaryList &Instance();
    static bool Exists();
    static void FreeInstance();
    ~TDictionaryList() override;

    QString GetWord() const { return word_; }
    void SetWord(const QString &text);
    // Sets the word and announces it at once, taking over an announcement still pending from
    // typing, so that a click is not followed by a second refill when the debounce ends.
    void SetWordNow(const QString &text);
    void RequestDelay(bool flag);
    bool DelayLocked = false;
    bool DelayNext() const { return delayNext_; }
    bool DelayPending() const { return timer_.isActive(); }
    // The current word cut at its first "(" and folded for lookup (FoldLookupText).
    QString GetLookupWord() const;
    // As GetLookupWord, accents kept: the word sent to online dictionaries.
    QString GetOnlineWord() const;
    // The current word folded for lookup, pronunciation suffix kept: the key of the rhymes,
    // phrases and rhyme-line lookups.
    QString GetRhymeWord() const;
    static QString Normalize(const QString &text);
    static QString LookupWordOf(const QString &word, bool foldAccents = true);
    // Rhyme lookups over slots 0 and 2, with offensive words as the option says.
    TRhymeLookup RhymeLookup() const;
    // A "#"-list of a slot under key, offensive words as the option says.
    QString ListValue(int slot, const QString &key) const;
    // The "#"-lists of the current word (GetRhymeWord) by TRhymeLookup: the word's own group,
    // then the groups of its later stresses. stemFallback: a word without entry shows its
    // stem's rhymes.
    QString CurrentRhymes(bool stemFallback) const;
    QString CurrentPhrases() const;
    QString CurrentRhymeLines() const;
    static QString RoundexCode(const QString &text);

    const TDIAnsiStringHash &GetWordList(int slot) const;
    // Lookup in a slot with UTF-8 key and value; empty when absent.
    QString Lookup(int slot, const QString &key) const;
    void SelectRhymeLineList(const QString &name);
    // As SelectRhymeLineList, but a list whose file is missing or cannot be read keeps the
    // current list and name; returns why it was refused, or an empty text.
    QString ChangeRhymeLineList(const QString &name);
    // Syllables by pronunciation from syllables.dat; by the rule alone when the file is missing.
    const TSyllableTable &Syllables() const { return syllables_; }

    QString GetPickedWord() const { return picked_; }
    void SetPickedWord(const QString &text);

    int GetMode() const;
    void SetMode(int mode);
    bool GetWrap() const;
    void SetWrap(bool wrap);

    const TFontInfo &GetEditorFont() const { return editorFont_; }
    void SetEditorFont(const TFontInfo &font);
    const TFontInfo &GetUIFont() const { return uiFont_; }
    void SetUIFont(const TFontInfo &font);

    bool GetTabsAsButtons() const;
    void SetTabsAsButtons(bool flag);
    void SetCommonSide(bool right);
    void SetMoreSide(bool right);
    void NotifyOnlineDictionaries();

    // The nine notification lists; the sender passed to subscribers is this object.
    TEvent WordChanged;
    TEvent DisplayStyleChanged;
    TEvent ModeChanged;
    TEvent UIFontChanged;
    TEvent EditorFontChanged;
    TEvent WordPicked;
    TEvent TabStyleChanged;
    TEvent PanelSideChanged;
    TEvent OnlineDictionariesChanged;

private:
    TDictionaryList();
    void LoadSlot(int slot, const QString &fileName);
    bool SetFont(TFontInfo &held, const TFontInfo &font, const char *section);

    QString word_;
    QString picked_;
    std::array<std::unique_ptr<TDIAnsiStringHash>, 3> lists_;
    TDIAnsiStringHash syllableWords_;
    TSyllableTable syllables_{&syllableWords_};
    QTimer timer_;
    bool delayNext_ = false;
    TFontInfo editorFont_;
    TFontInfo uiFont_;
};
