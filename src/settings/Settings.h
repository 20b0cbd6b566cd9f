#pragma once

#include "AppFolders.h"
#include "IniFile.h"

#include <QString>
#include <QStringList>

#include <memory>

// A font as the settings keep it: face, size in points, colour (0x00BBGGRR, or 0xFF0000nn for a
// system colour) and style flags. Underline and strike-out take part in comparisons only.
struct TFontInfo
{
    QString Face = QStringLiteral("Arial");
    int Size = 10;
    qint32 Color = qint32(0xFF000008); // window text
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TFontInfo &) const = default;
};

// The single store of user settings over settings.ini in the application folder (or in the
// per-user configuration folder when the program cannot write there, see LocateUserFile).
// Nothing is cached: every getter reads the file, every setter writes and flushes it.
class TDictSettings
{
public:
    static TDictSettings &Instance();
    // Frees the store; the next Instance() binds anew (program end, tests).
    static void FreeInstance();
    // Where the default window position finds the screen to centre on; a graphical program
    // sets it (InstallDesktopServices). Without one the screen is 0 x 0.
    static void SetScreenSizeSource(QSize (*source)());

    QString FileName() const;
    bool IsFirstRun() const { return firstRun_; }
    TIniFile &Ini() { return ini_; }

    // Section MainForm.
    int GetLeft() const;
    void SetLeft(int v);
    int GetTop() const;
    void SetTop(int v);
    int GetWidth() const;
    void SetWidth(int v);
    int GetHeight() const;
    void SetHeight(int v);
    bool GetMaximized() const;
    void SetMaximized(bool v);
    int GetDockRightSplitter() const;
    void SetDockRightSplitter(int v);
    int GetDockLeftSplitter() const;
    void SetDockLeftSplitter(int v);
    int GetBottomSplitterPosition() const;
    void SetBottomSplitterPosition(int v);
    bool GetShowLineNumbers() const;
    void SetShowLineNumbers(bool v);
    bool GetShowSyllables() const;
    void SetShowSyllables(bool v);
    bool GetShowVerseForms() const;
    void SetShowVerseForms(bool v);
    bool GetShowMeter() const;
    void SetShowMeter(bool v);
    bool GetShowRhymeScheme() const;
    void SetShowRhymeScheme(bool v);
    bool GetShowRhymes() const;
    void SetShowRhymes(bool v);
    bool GetShowPhrases() const;
    void SetShowPhrases(bool v);
    bool GetShowRoundex() const;
    void SetShowRoundex(bool v);
    bool GetShowNearRhymes() const;
    void SetShowNearRhymes(bool v);
    bool GetShowThesaurus() const;
    void SetShowThesaurus(bool v);
    bool GetShowRhymeLines() const;
    void SetShowRhymeLines(bool v);
    bool GetIsAdvanced() const;
    void SetIsAdvanced(bool v);
    bool GetIsListMode() const;
    void SetIsListMode(bool v);
    bool GetEditorWordWrap() const;
    void SetEditorWordWrap(bool v);
    bool GetUITabsAsButtons() const;
    void SetUITabsAsButtons(bool v);
    bool GetEnableUIFonts() const;
    // Whether the program looks for a newer version once per run.
    bool GetCheckForUpdates() const;
    void SetCheckForUpdates(bool v);
    bool GetUseDefaultPanelPos() const;
    void SetUseDefaultPanelPos(bool v);
    // Raw sides: whether the stored text is exactly "Right".
    bool GetCommonTabSide() const;
    void SetCommonTabSide(bool right);
    bool GetMoreTabSide() const;
    void SetMoreTabSide(bool right);
    // Effective sides: right when UseDefaultPanelPos is set or the raw side is "Right".
    bool CommonSideIsRight() const;
    bool MoreSideIsRight() const;
    // Offensive words in the rhymes, phrases, Roundex and rhyme-line lists; default off.
    bool GetShowOffensiveWords() const;
    void SetShowOffensiveWords(bool v);
    QString GetRhymeLineName() const;
    void SetRhymeLineName(const QString &v);
    int GetFileHistoryCount() const;

    // Section HyperbolicThesaurus.
    int GetHyperTreeVisualLevel1() const;
    void SetHyperTreeVisualLevel1(int v);
    int GetHyperTreeVisualLevel2() const;
    void SetHyperTreeVisualLevel2(int v);

    // Section Editor.
    int GetTabStops() const;
    void SetTabStops(int v);
    // Syllables counted by pronunciation (the rule only for words the table lacks).
    bool GetSyllablesFromDictionary() const;
    void SetSyllablesFromDictionary(bool v);
    bool GetPersistentBlocks(bool def) const;
    void SetPersistentBlocks(bool v);
    bool GetSmartTabs(bool def) const;
    void SetSmartTabs(bool v);

    // Fonts: sections "Font" (editor) and "UIFont".
    void ReadFont(const QString &section, TFontInfo &font) const;
    void WriteFont(const QString &section, const TFontInfo &font);

    // Documents, most recent first.
    void GetFileHistory(QStringList &list) const;
    void AddToFileHistory(const QString &path);

    // Rhyme-line lists: "name=file" lines; file names are relative to the application folder.
    void GetRhymeLineLists(QStringList &list) const;
    QString GetRhymeLineFile(const QString &name) const;

    // Web dictionaries: "name=template" lines.
    void GetOnlineDictionaries(QStringList &list);
    // The same lines without storing the defaults, for the web tabs built at start: a start
    // writes nothing that the user did not change.
    QStringList PeekOnlineDictionaries() const;
    void SetOnlineDictionary(const QString &name, const QString &urlTemplate);
    // Replaces the web dictionaries and their check marks by these, in this order: entries left
    // out are removed.
    void SetOnlineDictionaryList(const QStringList &names, const QStringList &templates,
                                 const QList<bool> &enabled);
    bool IsOnlineLookupEnabled(const QString &name) const;
    void SetOnlineLookupEnabled(const QString &name, bool enabled);

    // DICT: "host=port".
    QString GetCurrentServer() const;
    void SetCurrentServer(const QString &text); // throws std::invalid_argument on a bad port
    void GetDictionaryPairs(const QString &section, QStringList &names, QStringList &values) const;
    void SetDictionaryPairs(const QString &section, const QStringList &names,
                            const QStringList &values);
    // Every line of the server list, two servers on one host included.
    void GetDictServers(QStringList &list) const;
    // Replaces the server list by these "host=port" entries, in order.
    void SetDictServers(const QStringList &list);
    // The database and strategy last chosen in the DICT panel, by name (empty: the first).
    QString GetDictDatabase() const;
    void SetDictDatabase(const QString &name);
    QString GetDictStrategy() const;
    void SetDictStrategy(const QString &name);

    // The one switch for the network: off, no lookup and no update check connects anywhere.
    bool GetUseNetwork() const;
    void SetUseNetwork(bool v);

    // The verse form chosen in the chooser; memory only.
    void SelectVerseForm(const QString &name);
    // The name of the verse form last chosen, kept across runs (MainForm/VerseForm).
    QString GetChosenVerseForm() const;
    void SetChosenVerseForm(const QString &name);
    QString GetVerseFormFile() const;
    QString GetVerseFormExample() const;

    static const char *const DefaultDictHost;

private:
    TDictSettings();
    explicit TDictSettings(const TUserFile &file);

    TIniFile ini_;
    QString verseForm_;
    bool firstRun_ = false;
};
