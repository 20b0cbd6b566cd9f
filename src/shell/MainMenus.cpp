#include "MainMenus.h"

#include "DataModule.h"
#include "MainActions.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

TMainMenus::TMainMenus(QMainWindow *window, TDataModule1 *data, TMainActions *actions,
                       QWidget *lookupBox)
    : QObject(window)
{
    BuildMenus(window, data, actions);
    BuildToolBars(window, data, actions, lookupBox);
}

void TMainMenus::BuildMenus(QMainWindow *window, TDataModule1 *d, TMainActions *a)
{
    QMenuBar *bar = window->menuBar();
    mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("File1"));
    mnuFile->addActions({d->FileNew1, d->FileOpen1, d->FileOpen2, d->FileOpen3});
    mnuReopen = mnuFile->addMenu(tr("&Reopen"));
    mnuReopen->setObjectName(QStringLiteral("Reopen1"));
    mnuFile->addSeparator();
    mnuFile->addActions({d->FileSave1, d->FileSaveAs1});
    mnuFile->addSeparator();
    mnuFile->addAction(d->FileClose1);
    mnuFile->addSeparator();
    mnuFile->addActions({a->actPrintPreview1, a->actPrint1});
    mnuFile->addSeparator();
    mnuFile->addAction(d->FileExit1);

    mnuEdit = bar->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("Edit1"));
    mnuEdit->addActions({a->EditUndo1, a->EditRedo1});
    mnuEdit->addSeparator();
    mnuEdit->addActions({a->EditCut1, a->EditCopy1, a->EditPaste1, a->EditSelectAll1});
    mnuEdit->addSeparator();
    mnuEdit->addActions({a->EditFind1, a->EditReplace1});

    mnuView = bar->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("View1"));
    mnuView->addActions(
        {d->actViewLineNumbers, d->actViewSyllableCnt, d->actViewMeter, d->actViewRhymeScheme});
    mnuView->addSeparator();
    mnuView->addActions({a->actTogglePanels, d->actViewPhrases, d->actViewRhymes,
                         d->actViewThesaurus, d->actRhymeLines, d->actViewCustomDataGutter,
                         d->actViewRoundex, d->actViewNearRhymes});
    mnuView->addSeparator();
    mnuView->addAction(d->actViewMode);
    mnuView->addSeparator();
    mnuView->addAction(d->actAdvanced);

    mnuTools = bar->addMenu(tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("Tools1"));
    mnuTools->addActions({d->actSpellCheck, d->actThesaurus, a->actWordExplorer});
    mnuTools->addSeparator();
    mnuTools->addAction(a->actOptions);

    mnuSamples = bar->addMenu(tr("&Samples"));
    mnuSamples->setObjectName(QStringLiteral("Samples1"));

    mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("Help1"));
    mnuHelp->addAction(a->actOfficialSite);
    mnuHelp->addSeparator();
    mnuHelp->addActions({a->actOnlineUpdates, a->actLicense, a->actPoetCommunity, a->actRegister});
    mnuHelp->addSeparator();
    mnuHelp->addAction(a->actSupportCommunity);
    mnuHelp->addSeparator();
    mnuHelp->addAction(a->actAbout);

    pmFileHistory = new QMenu(window);
    pmFileHistory->setObjectName(QStringLiteral("pmFileHistory"));
}

QToolBar *TMainMenus::MakeToolBar(QMainWindow *window, const char *name)
{
    auto *bar = new QToolBar(QString::fromLatin1(name), window);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setAllowedAreas(Qt::TopToolBarArea);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    window->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void TMainMenus::BuildToolBars(QMainWindow *window, TDataModule1 *d, TMainActions *a,
                               QWidget *lookupBox)
{
    window->setContextMenuPolicy(Qt::NoContextMenu); // nothing can be docked or hidden by hand
    tbarFile = MakeToolBar(window, "tbarFile");
    tbarFile->addActions({d->FileNew1, d->FileOpen2, d->FileSave1, a->actPrint1, a->actAbout});
    if (auto *open = qobject_cast<QToolButton *>(tbarFile->widgetForAction(d->FileOpen2))) {
        open->setMenu(pmFileHistory);
        open->setPopupMode(QToolButton::MenuButtonPopup);
    }

    tbarLookup = MakeToolBar(window, "tbarLookup");
    auto *label = new QLabel(tr("Lookup:"), tbarLookup);
    label->setObjectName(QStringLiteral("lblLookup"));
    label->setContentsMargins(4, 0, 4, 0);
    tbarLookup->addWidget(label);
    tbarLookup->addWidget(lookupBox);

    tbarDataInfo = MakeToolBar(window, "tbarDataInfo");
    tbarDataInfo->addActions({d->actViewRhymes, d->actViewPhrases, d->actRhymeLines,
                              d->actViewThesaurus, d->actViewRoundex, d->actViewNearRhymes});
    tbarGutterInfo = MakeToolBar(window, "tbarGutterInfo");
    tbarGutterInfo->addActions(
        {d->actViewLineNumbers, d->actViewSyllableCnt, d->actViewCustomDataGutter});
    tbarCheckInfo = MakeToolBar(window, "tbarCheckInfo");
    tbarCheckInfo->addActions(
        {d->actSpellCheck, d->actThesaurus, a->actWordExplorer, a->actTogglePanels});
}

QList<QToolBar *> TMainMenus::ToolBars() const
{
    return {tbarFile, tbarDataInfo, tbarGutterInfo, tbarCheckInfo};
}

void TMainMenus::FitToolBar(QToolBar *bar, bool show)
{
    bar->setVisible(show);
}

void TMainMenus::HideEmptyMenus(bool editAllowed)
{
    for (QMenu *menu : {mnuFile, mnuEdit, mnuView, mnuTools, mnuHelp}) {
        bool any = false;
        for (QAction *entry : menu->actions())
            any = any || (entry->isVisible() && !entry->isSeparator());
        menu->menuAction()->setVisible(any && (menu != mnuEdit || editAllowed));
    }
}
