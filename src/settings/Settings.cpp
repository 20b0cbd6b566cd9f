#include "Settings.h"

#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSize>

#include <stdexcept>

// Names are constexpr so that the store can be used from static initialisers of other modules.
// Our defaults: the public DICT server and the four web
// dictionaries written when section OnlineDictionaries is empty.
const char *const TDictSettings::DefaultDictHost = "dict.org";

namespace {

constexpr int DefaultDictPort = 2628;

struct WebDictionary
{
    const char *name;
    const char *urlTemplate;
};

constexpr WebDictionary DefaultWebDictionaries[] = {
    {"Wikipedia", "https://en.wikipedia.org/wiki/%s"},
    {"Wiktionary", "https://en.wiktionary.org/wiki/%s"},
    {"dictionary.com", "https://www.dictionary.com/browse/%s"},
    {"google", "https://www.google.com/search?hl=en&q=definition%%3A+%s"},
};

constexpr QLatin1String MainForm("MainForm");
constexpr QLatin1String Hyperbolic("HyperbolicThesaurus");
constexpr QLatin1String EditorSection("Editor");
constexpr QLatin1String FileHistorySection("FileHistory");
constexpr QLatin1String RhymeLineLists("RhymeLineDictionaryList");
constexpr QLatin1String DictServers("Dictionary_Servers");
constexpr QLatin1String CurrentServer("Dictionary_CurrentServer");
constexpr QLatin1String DictSelection("Dictionary_Selection");
constexpr QLatin1String OnlineSection("Online");
constexpr QLatin1String OnlineDictionaries("OnlineDictionaries");
constexpr QLatin1String OnlineEnabled("OnlineLookupsEnabled");

constexpr QLatin1String DefaultRhymeLineName("Poetry");
constexpr QLatin1String DefaultRhymeLineFile("rpoetry.dat");

constexpr qint32 WindowTextColor = qint32(0xFF000008);
constexpr int MaxFileHistory = 9;

QSize (*screenSizeSource)() = nullptr;

QSize ScreenSize()
{
    return screenSizeSource ? screenSizeSource() : QSize(0, 0);
}

int Centred(int screen, int window)
{
    const int v = (screen - window) / 2;
    return v < 0 ? 0 : v;
}

std::unique_ptr<TDictSettings> &Holder()
{
    static std::unique_ptr<TDictSettings> instance;
    return instance;
}

} // namespace

TDictSettings &TDictSettings::Instance()
{
    std::unique_ptr<TDictSettings> &p = Holder();
    if (!p)
        p.reset(new TDictSettings());
    return *p;
}

void TDictSettings::FreeInstance()
{
    Holder().reset();
}

void TDictSettings::SetScreenSizeSource(QSize (*source)())
{
    screenSizeSource = source;
}

TDictSettings::TDictSettings() : TDictSettings(LocateUserFile(QStringLiteral("settings.ini"))) {}

TDictSettings::TDictSettings(const TUserFile &file) : ini_(file.path, file.seed)
{
    firstRun_ = ini_.ReadSection(MainForm).isEmpty();
}

QString TDictSettings::FileName() const
{
    return ini_.FileName();
}

// ---- Section MainForm ----

int TDictSettings::GetLeft() const
{
    return ini_.ReadInteger(MainForm, QStringLiteral("Left"),
                            Centred(ScreenSize().width(), GetWidth()));
}
void TDictSettings::SetLeft(int v)
{
    ini_.WriteInteger(MainForm, QStringLiteral("Left"), v);
}

int TDictSettings::GetTop() const
{
    return ini_.ReadInteger(MainForm, QStringLiteral("Top"),
                            Centred(ScreenSize().height(), GetHeight()));
}
void TDictSettings::SetTop(int v)
{
    ini_.WriteInteger(MainForm, QStringLiteral("Top"), v);
}

#define TOLVANE_INT_KEY(Name, Section, Default)                                                    \
    int TDictSettings::Get##Name() const                                                           \
    {                                                                                              \
        return ini_.ReadInteger(Section, QStringLiteral(#Name), Default);                          \
    }                                                                                              \
    void TDictSettings::Set##Name(int v)                                                           \
    {                                                                                              \
        ini_.WriteInteger(Section, QStringLiteral(#Name), v);                                      \
    }

#define TOLVANE_BOOL_KEY(Name, Section, Default)                                                   \
    bool TDictSettings::Get##Name() const                                                          \
    {                                                                                              \
        return ini_.ReadBool(Section, QStringLiteral(#Name), Default);                             \
    }                                                                                              \
    void TDictSettings::Set##Name(bool v)                                                          \
    {                                                                                              \
        ini_.WriteBool(Section, QStringLiteral(#Name), v);                                         \
    }

TOLVANE_INT_KEY(Width, MainForm, 800)
TOLVANE_INT_KEY(Height, MainForm, 600)
TOLVANE_BOOL_KEY(Maximized, MainForm, false)
TOLVANE_INT_KEY(DockRightSplitter, MainForm, 150)
TOLVANE_INT_KEY(DockLeftSplitter, MainForm, 150)
TOLVANE_INT_KEY(BottomSplitterPosition, MainForm, 150)
TOLVANE_BOOL_KEY(ShowLineNumbers, MainForm, true)
TOLVANE_BOOL_KEY(ShowSyllables, MainForm, true)
TOLVANE_BOOL_KEY(ShowVerseForms, MainForm, false)
TOLVANE_BOOL_KEY(ShowMeter, MainForm, false)
TOLVANE_BOOL_KEY(ShowRhymeScheme, MainForm, false)
TOLVANE_BOOL_KEY(ShowRhymes, MainForm, true)
TOLVANE_BOOL_KEY(ShowPhrases, MainForm, true)
TOLVANE_BOOL_KEY(ShowRoundex, MainForm, true)
TOLVANE_BOOL_KEY(ShowNearRhymes, MainForm, false)
TOLVANE_BOOL_KEY(ShowThesaurus, MainForm, true)
TOLVANE_BOOL_KEY(ShowRhymeLines, MainForm, false)
TOLVANE_BOOL_KEY(IsAdvanced, MainForm, true)
TOLVANE_BOOL_KEY(IsListMode, MainForm, false)
TOLVANE_BOOL_KEY(EditorWordWrap, MainForm, true)
TOLVANE_BOOL_KEY(UITabsAsButtons, MainForm, false)
TOLVANE_BOOL_KEY(UseDefaultPanelPos, MainForm, true)
TOLVANE_BOOL_KEY(ShowOffensiveWords, MainForm, false)
TOLVANE_BOOL_KEY(CheckForUpdates, MainForm, true)
TOLVANE_INT_KEY(HyperTreeVisualLevel1, Hyperbolic, 4)
TOLVANE_INT_KEY(HyperTreeVisualLevel2, Hyperbolic, 7)
TOLVANE_INT_KEY(TabStops, EditorSection, 8)
TOLVANE_BOOL_KEY(SyllablesFromDictionary, EditorSection, true)

#undef TOLVANE_INT_KEY
#undef TOLVANE_BOOL_KEY

bool TDictSettings::GetEnableUIFonts() const
{
    return ini_.ReadBool(MainForm, QStringLiteral("EnableUIFonts"), false);
}

bool TDictSettings::GetCommonTabSide() const
{
    return ini_.ReadString(MainForm, QStringLiteral("CommonTabSide"), QStringLiteral("Left")) ==
           QLatin1String("Right");
}
void TDictSettings::SetCommonTabSide(bool right)
{
    ini_.WriteString(MainForm, QStringLiteral("CommonTabSide"),
                     right ? QStringLiteral("Right") : QStringLiteral("Left"));
}

bool TDictSettings::GetMoreTabSide() const
{
    return ini_.ReadString(MainForm, QStringLiteral("MoreTabSide"), QStringLiteral("Right")) ==
           QLatin1String("Right");
}
void TDictSettings::SetMoreTabSide(bool right)
{
    ini_.WriteString(MainForm, QStringLiteral("MoreTabSide"),
                     right ? QStringLiteral("Right") : QStringLiteral("Left"));
}

bool TDictSettings::CommonSideIsRight() const
{
    return GetUseDefaultPanelPos() || GetCommonTabSide();
}

bool TDictSettings::MoreSideIsRight() const
{
    return GetUseDefaultPanelPos() || GetMoreTabSide();
}

QString TDictSettings::GetRhymeLineName() const
{
    return ini_.ReadString(MainForm, QStringLiteral("RhymeLineName"), DefaultRhymeLineName);
}
void TDictSettings::SetRhymeLineName(const QString &v)
{
    ini_.WriteString(MainForm, QStringLiteral("RhymeLineName"), v);
}

int TDictSettings::GetFileHistoryCount() const
{
    return ini_.ReadInteger(MainForm, QStringLiteral("FileHistoryCount"), 8);
}

// ---- Section Editor ----

bool TDictSettings::GetPersistentBlocks(bool def) const
{
    return ini_.ReadBool(EditorSection, QStringLiteral("PersistentBlocks"), def);
}
void TDictSettings::SetPersistentBlocks(bool v)
{
    ini_.WriteBool(EditorSection, QStringLiteral("PersistentBlocks"), v);
}

bool TDictSettings::GetSmartTabs(bool def) const
{
    return ini_.ReadBool(EditorSection, QStringLiteral("SmartTabs"), def);
}
void TDictSettings::SetSmartTabs(bool v)
{
    ini_.WriteBool(EditorSection, QStringLiteral("SmartTabs"), v);
}

// ---- Fonts (Algorithms 2) ----

void TDictSettings::ReadFont(const QString &section, TFontInfo &font) const
{
    font.Face = ini_.ReadString(section, QStringLiteral("Face"), QStringLiteral("Arial"));
    font.Size = ini_.ReadInteger(section, QStringLiteral("Size"), 10);
    font.Color = ini_.ReadInteger(section, QStringLiteral("Color"), WindowTextColor);
    const int style = ini_.ReadInteger(section, QStringLiteral("Style"), 0);
    font.Bold = (style & 1) != 0;
    font.Italic = (style & 2) != 0;
    font.Underline = false;
    font.StrikeOut = false;
}

void TDictSettings::WriteFont(const QString &section, const TFontInfo &font)
{
    const int style = (font.Bold ? 1 : 0) + (font.Italic ? 2 : 0);
    ini_.WriteStrings(section,
                      {QStringLiteral("Face"), QStringLiteral("Size"), QStringLiteral("Color"),
                       QStringLiteral("Style")},
                      {font.Face, QString::number(font.Size), QString::number(font.Color),
                       QString::number(style)});
}

// ---- File history (Algorithms 3) ----

void TDictSettings::GetFileHistory(QStringList &list) const
{
    list = ini_.ReadKeyList(FileHistorySection);
}

void TDictSettings::AddToFileHistory(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString full = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (full.isEmpty() || !QFileInfo(full).isFile())
        return;
    QStringList history;
    GetFileHistory(history);
    // Paths are compared exactly: on this platform a.txt and A.txt are two files.
    history.removeAll(full);
    history.prepend(full);
    while (history.size() > MaxFileHistory)
        history.removeLast();
    ini_.WriteKeyList(FileHistorySection, history);
}

// ---- Rhyme-line lists (Algorithms 4) ----

void TDictSettings::GetRhymeLineLists(QStringList &list) const
{
    list = ini_.ReadSectionValues(RhymeLineLists);
    if (list.isEmpty())
        list.append(QString(DefaultRhymeLineName) + QLatin1Char('=') + DefaultRhymeLineFile);
}

QString TDictSettings::GetRhymeLineFile(const QString &name) const
{
    const QString file = ini_.ReadString(RhymeLineLists, name, QString());
    if (file.isEmpty() && name == DefaultRhymeLineName)
        return DefaultRhymeLineFile;
    return file;
}

// ---- Web dictionaries (Algorithms 5) ----

QStringList TDictSettings::PeekOnlineDictionaries() const
{
    QStringList list = ini_.ReadSectionValues(OnlineDictionaries);
    if (list.isEmpty())
        for (const WebDictionary &d : DefaultWebDictionaries)
            list.append(QString::fromLatin1(d.name) + QLatin1Char('=') +
                        QString::fromLatin1(d.urlTemplate));
    return list;
}

void TDictSettings::GetOnlineDictionaries(QStringList &list)
{
    list = ini_.ReadSectionValues(OnlineDictionaries);
    if (!list.isEmpty())
        return;
    QStringList names, templates;
    for (const WebDictionary &d : DefaultWebDictionaries) {
        names.append(QString::fromLatin1(d.name));
        templates.append(QString::fromLatin1(d.urlTemplate));
        list.append(names.last() + QLatin1Char('=') + templates.last());
    }
    // Storing the defaults only spares the next read; where that fails they still serve.
    try {
        ini_.WriteStrings(OnlineDictionaries, names, templates);
    } catch (const std::runtime_error &) {
    }
}

void TDictSettings::SetOnlineDictionary(const QString &name, const QString &urlTemplate)
{
    ini_.WriteString(OnlineDictionaries, name, urlTemplate);
}

bool TDictSettings::IsOnlineLookupEnabled(const QString &name) const
{
    if (ini_.ReadSection(OnlineEnabled).isEmpty())
        return true;
    return ini_.ReadBool(OnlineEnabled, name, false);
}

void TDictSettings::SetOnlineLookupEnabled(const QString &name, bool enabled)
{
    ini_.WriteBool(OnlineEnabled, name, enabled);
}

// ---- DICT (Algorithms 6, 7) ----

QString TDictSettings::GetCurrentServer() const
{
    return ini_.ReadString(CurrentServer, QStringLiteral("Name"),
                           QString::fromLatin1(DefaultDictHost)) +
           QLatin1Char('=') +
           QString::number(
               ini_.ReadInteger(CurrentServer, QStringLiteral("Port"), DefaultDictPort));
}

void TDictSettings::SetCurrentServer(const QString &text)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    const QString name = eq < 0 ? QString() : text.left(eq);
    const QString portText = eq < 0 ? text : text.mid(eq + 1);
    int port = 0;
    // The port is converted before anything is written, so a bad text leaves the file as it was.
    if (!TIniFile::ParseInteger(portText, port))
        throw std::invalid_argument(
            QStringLiteral("'%1' is not a valid integer value").arg(portText).toStdString());
    ini_.WriteStrings(CurrentServer, {QStringLiteral("Name"), QStringLiteral("Port")},
                      {name, QString::number(port)});
}

void TDictSettings::GetDictionaryPairs(const QString &section, QStringList &names,
                                       QStringList &values) const
{
    ini_.ReadSectionPairs(section, names, values);
}

void TDictSettings::SetDictionaryPairs(const QString &section, const QStringList &names,
                                       const QStringList &values)
{
    ini_.ReplaceSection(section, names, values);
}

void TDictSettings::GetDictServers(QStringList &list) const
{
    QStringList hosts, ports;
    ini_.ReadEntryLines(DictServers, hosts, ports);
    list.clear();
    for (qsizetype i = 0; i < hosts.size(); ++i)
        list.append(hosts[i] + QLatin1Char('=') + ports[i]);
    if (list.isEmpty())
        list.append(QString::fromLatin1(DefaultDictHost) + QLatin1Char('=') +
                    QString::number(DefaultDictPort));
}

void TDictSettings::SetDictServers(const QStringList &list)
{
    QStringList hosts, ports;
    for (const QString &entry : list) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        hosts.append(equals < 0 ? entry : entry.left(equals));
        ports.append(equals < 0 ? QString() : entry.mid(equals + 1));
    }
    ini_.WriteEntryLines(DictServers, hosts, ports);
}

void TDictSettings::SetOnlineDictionaryList(const QStringList &names, const QStringList &templates,
                                            const QList<bool> &enabled)
{
    QStringList flags;
    for (const bool on : enabled)
        flags << (on ? QStringLiteral("1") : QStringLiteral("0"));
    ini_.ReplaceSection(OnlineDictionaries, names, templates);
    ini_.ReplaceSection(OnlineEnabled, names, flags);
}

QString TDictSettings::GetDictDatabase() const
{
    return ini_.ReadString(DictSelection, QStringLiteral("Database"), QString());
}

void TDictSettings::SetDictDatabase(const QString &name)
{
    ini_.WriteString(DictSelection, QStringLiteral("Database"), name);
}

QString TDictSettings::GetDictStrategy() const
{
    return ini_.ReadString(DictSelection, QStringLiteral("Strategy"), QString());
}

void TDictSettings::SetDictStrategy(const QString &name)
{
    ini_.WriteString(DictSelection, QStringLiteral("Strategy"), name);
}

bool TDictSettings::GetUseNetwork() const
{
    return ini_.ReadBool(OnlineSection, QStringLiteral("UseNetwork"), true);
}

void TDictSettings::SetUseNetwork(bool v)
{
    ini_.WriteBool(OnlineSection, QStringLiteral("UseNetwork"), v);
}

// ---- Selected verse form (memory only) ----

void TDictSettings::SelectVerseForm(const QString &name)
{
    verseForm_ = VerseFormsFolder() + QLatin1Char('/') + name + QStringLiteral(".txt");
}

QString TDictSettings::GetChosenVerseForm() const
{
    return ini_.ReadString(MainForm, QStringLiteral("VerseForm"), QString());
}

void TDictSettings::SetChosenVerseForm(const QString &name)
{
    ini_.WriteString(MainForm, QStringLiteral("VerseForm"), name);
}

QString TDictSettings::GetVerseFormFile() const
{
    return verseForm_;
}

QString TDictSettings::GetVerseFormExample() const
{
    if (verseForm_.isEmpty())
        return QString();
    // ChangeFileExt: replace the extension of the last path component.
    QString example = verseForm_;
    const qsizetype slash = example.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = example.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        example.truncate(dot);
    example += QStringLiteral(".html");
    return QFileInfo(example).isFile() ? example : QString();
}
