#include "DataModule.h"

#include "ActionHint.h"
#include "DictionaryList.h"
#include "Icons.h"
#include "Settings.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace {
const char *const TagProperty = "Tag";

QString Tr(const char *text)
{
    return QCoreApplication::translate("TDataModule1", text);
}
} // namespace

const std::array<TDataModule1::TToggleCaption, 11> TDataModule1::ToggleCaptions = {{
    {"actViewLineNumbers", QT_TRANSLATE_NOOP("TDataModule1", "%s line numbers"),
     QT_TRANSLATE_NOOP("TDataModule1", "Hide"), QT_TRANSLATE_NOOP("TDataModule1", "Show")},
    {"actViewSyllableCnt", QT_TRANSLATE_NOOP("TDataModule1", "%s syllable count"), "Hide", "Show"},
    {"actViewRhymes", QT_TRANSLATE_NOOP("TDataModule1", "%s rhymes"), "Hide", "Show"},
    {"actViewPhrases", QT_TRANSLATE_NOOP("TDataModule1", "%s phrases"), "Hide", "Show"},
    {"actViewThesaurus", QT_TRANSLATE_NOOP("TDataModule1", "%s thesaurus"), "Hide", "Show"},
    {"actViewMode", QT_TRANSLATE_NOOP("TDataModule1", "Switch to %s"),
     QT_TRANSLATE_NOOP("TDataModule1", "Wrap mode"),
     QT_TRANSLATE_NOOP("TDataModule1", "List mode")},
    {"actAdvanced", "Switch to %s", QT_TRANSLATE_NOOP("TDataModule1", "Lookup mode"),
     QT_TRANSLATE_NOOP("TDataModule1", "Cadenzio mode")},
    {"actRhymeLines", QT_TRANSLATE_NOOP("TDataModule1", "%s rhyme lines"), "Hide", "Show"},
    {"actViewCustomDataGutter", QT_TRANSLATE_NOOP("TDataModule1", "%s verse forms"), "Hide",
     "Show"},
    {"actViewRoundex", QT_TRANSLATE_NOOP("TDataModule1", "%s Roundex"), "Hide", "Show"},
    {"actViewNearRhymes", QT_TRANSLATE_NOOP("TDataModule1", "%s Near Rhymes"), "Hide", "Show"},
}};

TDataModule1::TDataModule1(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule1"));
    CreateFileActions();
    CreateViewActions();
    CreateInternalActions();
    Connect();
    UpdateDocOnly();
}

TDataModule1::~TDataModule1()
{
    ActionEvent.Clear();
}

TDataModule1 *TDataModule1::Find()
{
    QCoreApplication *app = QCoreApplication::instance();
    return app ? app->findChild<TDataModule1 *>(QStringLiteral("DataModule1"),
                                                Qt::FindDirectChildrenOnly)
               : nullptr;
}

QAction *TDataModule1::Make(const char *name, const QString &caption, const QString &hint)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setIcon(ActionIcon(action->objectName()));
    if (!hint.isEmpty())
        SetActionHint(action, hint);
    return action;
}

QAction *TDataModule1::MakeToggle(const char *name, const QString &caption, int tag, bool checked)
{
    QAction *action = Make(name, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    action->setProperty(TagProperty, tag);
    return action;
}

void TDataModule1::CreateFileActions()
{
    FileExit1 = Make("FileExit1", tr("E&xit"), tr("Exit|Quits the application"));
    FileNew1 = Make("FileNew1", tr("&New"), tr("Create a new document"));
    FileNew1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    FileOpen1 = Make("FileOpen1", tr("&Open from Application directory..."),
                     tr("Open|Opens an existing file"));
    FileOpen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    FileOpen2 =
        Make("FileOpen2", tr("&Open from My Documents..."), tr("Open an existing document"));
    FileOpen3 =
        Make("FileOpen3", tr("&Open from last used folder..."), tr("Open|Opens an existing file"));
    FileOpen3->setEnabled(false);
    FileSave1 = Make("FileSave1", tr("&Save"), tr("Save the current document"));
    FileSave1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    FileSaveAs1 =
        Make("FileSaveAs1", tr("Save &As..."), tr("Save As|Saves the active file with a new name"));
    FileClose1 = Make("FileClose1", tr("&Close"));
    actSpellCheck = Make("actSpellCheck", tr("Spell Check"), tr("Check Spelling"));
    actThesaurus = Make("actThesaurus", tr("Thesaurus"), tr("Thesaurus Suggestions"));
}

void TDataModule1::CreateViewActions()
{
    actViewLineNumbers = MakeToggle("actViewLineNumbers", tr("Show Line Numbers"), -1, true);
    actViewSyllableCnt = MakeToggle("actViewSyllableCnt", tr("Show Syllables"), -2, true);
    // Stored like the gutter toggles, but keeps its caption.
    actViewMeter = MakeToggle("actViewMeter", tr("Meter"), 0);
    actViewRhymeScheme = MakeToggle("actViewRhymeScheme", tr("Rhyme scheme"), 0);
    actViewCustomDataGutter = MakeToggle("actViewCustomDataGutter", tr("Verse Form"), -9);
    actViewCustomDataGutter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    actViewRhymes = MakeToggle("actViewRhymes", tr("Live rhymes"), -3);
    actViewRhymes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    actViewPhrases = MakeToggle("actViewPhrases", tr("Live phrases and proper nouns"), -4);
    actViewPhrases->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    actViewThesaurus = MakeToggle("actViewThesaurus", tr("Live thesaurus"), -5);
    actViewThesaurus->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actViewRoundex = MakeToggle("actViewRoundex", tr("Roundex"), -10);
    actViewRoundex->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    actViewNearRhymes = MakeToggle("actViewNearRhymes", tr("Near Rhymes"), -11);
    actRhymeLines = MakeToggle("actRhymeLines", tr("Show Rhyme Lines"), -8);
    actRhymeLines->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    actViewMode = MakeToggle("actViewMode", tr("Wrap"), -6);
    actViewMode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    actAdvanced = MakeToggle("actAdvanced", tr("Cadenzio mode"), -7, true);
}

void TDataModule1::CreateInternalActions()
{
    actFileNameChange = Make("actFileNameChange", QString());
    actStartStatus = Make("actStartStatus", QString());
    actUpdateStatus = Make("actUpdateStatus", QString());
    actEndStatus = Make("actEndStatus", QString());
    actUpdateInfo = Make("actUpdateInfo", QString());
    actVerseFormsUpdate = Make("actVerseFormsUpdate", QString());
    actUpdateLookup = Make("actUpdateLookup", QString());
    actOpenRecent = Make("actOpenRecent", QString());
}

void TDataModule1::Connect()
{
    for (QAction *action : Actions()) {
        if (action == FileExit1)
            connect(action, &QAction::triggered, this, [this] { CloseMainWindow(); });
        else
            connect(action, &QAction::triggered, this,
                    [this, action](bool checked) { Execute(action, checked); });
    }
}

QAction *TDataModule1::Action(const QString &name) const
{
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

QList<QAction *> TDataModule1::Actions() const
{
    return findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
}

void TDataModule1::Execute(QAction *action, bool checked)
{
    if (action == actAdvanced)
        SwitchMode();
    else if (action == actViewMode) {
        ApplyToggleCaption(action);
        TDictionaryList::Instance().SetWrap(!checked);
    } else if (action->property(TagProperty).toInt() < 0 || action == actViewMeter ||
               action == actViewRhymeScheme)
        ExecuteToggle(action, checked);
    else if (action == FileExit1)
        CloseMainWindow();
    else
        Broadcast(action);
}

void TDataModule1::ExecuteToggle(QAction *action, bool checked)
{
    using Getter = bool (TDictSettings::*)() const;
    using Setter = void (TDictSettings::*)(bool);
    const struct
    {
        QAction *action;
        Getter get;
        Setter set;
    } keys[] = {
        {actViewLineNumbers, &TDictSettings::GetShowLineNumbers,
         &TDictSettings::SetShowLineNumbers},
        {actViewSyllableCnt, &TDictSettings::GetShowSyllables, &TDictSettings::SetShowSyllables},
        {actViewMeter, &TDictSettings::GetShowMeter, &TDictSettings::SetShowMeter},
        {actViewRhymeScheme, &TDictSettings::GetShowRhymeScheme,
         &TDictSettings::SetShowRhymeScheme},
        {actViewCustomDataGutter, &TDictSettings::GetShowVerseForms,
         &TDictSettings::SetShowVerseForms},
        {actViewRhymes, &TDictSettings::GetShowRhymes, &TDictSettings::SetShowRhymes},
        {actViewPhrases, &TDictSettings::GetShowPhrases, &TDictSettings::SetShowPhrases},
        {actViewThesaurus, &TDictSettings::GetShowThesaurus, &TDictSettings::SetShowThesaurus},
        {actViewRoundex, &TDictSettings::GetShowRoundex, &TDictSettings::SetShowRoundex},
        {actViewNearRhymes, &TDictSettings::GetShowNearRhymes, &TDictSettings::SetShowNearRhymes},
        {actRhymeLines, &TDictSettings::GetShowRhymeLines, &TDictSettings::SetShowRhymeLines},
    };
    // The first activation replays the stored toggles: a value the file already gives (or
    // defaults to) is not written again.
    TDictSettings &settings = TDictSettings::Instance();
    for (const auto &key : keys)
        if (key.action == action && (settings.*key.get)() != checked)
            (settings.*key.set)(checked);
    ApplyToggleCaption(action);
    Broadcast(action);
}

void TDataModule1::SwitchMode()
{
    TDictionaryList &dict = TDictionaryList::Instance();
    const int mode = dict.GetMode() == 1 ? 0 : 1;
    SetModeBoundVisible(mode == 1);
    dict.UIFontChanged.Notify(&dict);
    dict.EditorFontChanged.Notify(&dict);
    dict.SetMode(mode);
    // The check mark follows the mode even when the switch did not come from a click.
    actAdvanced->setChecked(mode == 1);
    ApplyToggleCaption(actAdvanced);
    Broadcast(actAdvanced);
}

void TDataModule1::ApplyToggleCaption(QAction *action) const
{
    const int tag = action->property(TagProperty).toInt();
    if (tag >= 0 || -tag > int(ToggleCaptions.size()))
        return;
    const TToggleCaption &row = ToggleCaptions[std::size_t(-tag - 1)];
    const QString arg = Tr(action->isChecked() ? row.ifChecked : row.ifUnchecked);
    const QString text = Tr(row.format).replace(QLatin1String("%s"), arg);
    action->setText(text);
    action->setToolTip(text);
    action->setStatusTip(text);
}

void TDataModule1::ApplyToggleCaptions() const
{
    for (QAction *action : Actions())
        ApplyToggleCaption(action);
}

void TDataModule1::SetModeBoundVisible(bool cadenzio) const
{
    for (QAction *action :
         {actViewLineNumbers, FileOpen1, FileSaveAs1, FileOpen2, FileOpen3, FileNew1, FileClose1,
          FileSave1, actSpellCheck, actThesaurus, actViewSyllableCnt, actViewMeter,
          actViewRhymeScheme, actRhymeLines, actViewThesaurus, actViewCustomDataGutter,
          actViewRhymes, actViewRoundex, actViewPhrases})
        action->setVisible(cadenzio);
}

void TDataModule1::SetDocumentOpen(bool open)
{
    documentOpen_ = open;
    UpdateDocOnly();
}

void TDataModule1::UpdateDocOnly() const
{
    for (QAction *action : {FileSave1, FileClose1, actSpellCheck, actThesaurus, actViewLineNumbers,
                            actViewSyllableCnt, actViewMeter, actViewRhymeScheme,
                            actViewCustomDataGutter, FileSaveAs1})
        action->setEnabled(documentOpen_);
}

void TDataModule1::CloseMainWindow() const
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (qstrcmp(widget->metaObject()->className(), "TfrmRhymeDict") == 0)
            widget->close();
}

void TDataModule1::Broadcast(QAction *action)
{
    ActionEvent.Notify(action);
}
