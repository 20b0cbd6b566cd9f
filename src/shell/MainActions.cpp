#include "MainActions.h"

#include "ActionHint.h"
#include "AppFolders.h"
#include "Icons.h"
#include "Links.h"

#include <QAction>

TMainActions::TMainActions(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("ActionList1"));
    EditUndo1 = Make("EditUndo1", tr("Undo"), Qt::CTRL | Qt::Key_Z);
    EditRedo1 = Make("EditRedo1", tr("&Redo"), Qt::SHIFT | Qt::CTRL | Qt::Key_Z);
    EditCut1 = Make("EditCut1", tr("Cut"), Qt::CTRL | Qt::Key_X);
    EditCopy1 = Make("EditCopy1", tr("Copy"), Qt::CTRL | Qt::Key_C);
    EditPaste1 = Make("EditPaste1", tr("Paste"), Qt::CTRL | Qt::Key_V);
    EditSelectAll1 = Make("EditSelectAll1", tr("Select A&ll"), Qt::CTRL | Qt::Key_A);
    EditFind1 = Make("EditFind1", tr("&Find..."), Qt::CTRL | Qt::Key_F);
    // Ctrl+H belongs to "Live phrases and proper nouns"; two actions on one key would both lose it.
    EditReplace1 = Make("EditReplace1", tr("R&eplace..."));
    actPrint1 =
        Make("actPrint1", tr("&Print..."), Qt::CTRL | Qt::Key_P, tr("Print the current document"));
    actPrintPreview1 = Make("actPrintPreview1", tr("Print Previe&w..."));
    actAbout = Make("actAbout", tr("&About..."), {}, tr("About Tolvane Dictionary of Rhyme"));
    actWordExplorer = Make("actWordExplorer", tr("Word Explorer"), Qt::CTRL | Qt::Key_W);
    actOptions = Make("actOptions", tr("Options..."));
    actTogglePanels =
        Make("actTogglePanels", tr("Toggle Helper Panels"), {}, tr("Toggle Panel Positions"));
    actTogglePanels->setCheckable(true);
    actOfficialSite =
        MakeLink("actOfficialSite", tr("Official Product Website"), Links::OfficialSite);
    actOnlineUpdates = MakeLink("actOnlineUpdates", tr("Online Updates"), Links::OnlineUpdates);
    actLicense = MakeLink("actLicense", tr("Licensing Agreement"), Links::License);
    actPoetCommunity =
        MakeLink("actPoetCommunity", tr("Poets && Songwriters Community"), Links::PoetCommunity);
    actSupportCommunity =
        MakeLink("actSupportCommunity", tr("Support Community"), Links::SupportCommunity);
    actRegister = MakeLink("actRegister", tr("Community Registration"), Links::Register);
}

QAction *TMainActions::Make(const char *name, const QString &caption, const QKeySequence &shortcut,
                            const QString &hint)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setIcon(ActionIcon(action->objectName()));
    if (!hint.isEmpty())
        SetActionHint(action, hint);
    return action;
}

QAction *TMainActions::MakeLink(const char *name, const QString &caption, const char *path)
{
    QAction *action = Make(name, caption);
    const QString url = Links::Url(path);
    action->setData(url);
    connect(action, &QAction::triggered, this, [url] { ShellOpen(url); });
    return action;
}

QList<QAction *> TMainActions::Actions() const
{
    return findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
}

QList<QAction *> TMainActions::Links() const
{
    return {actOfficialSite,  actOnlineUpdates,    actLicense,
            actPoetCommunity, actSupportCommunity, actRegister};
}
