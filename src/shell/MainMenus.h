#pragma once

#include <QObject>

class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;
class TDataModule1;
class TMainActions;

// The menu bar and the tool bars of the main window, bound to the two action lists.
class TMainMenus : public QObject
{
    Q_OBJECT

public:
    TMainMenus(QMainWindow *window, TDataModule1 *data, TMainActions *actions, QWidget *lookupBox);

    // Each top-level menu is shown exactly when it has a visible entry that is not a separator;
    // the Edit menu also only when allowed.
    void HideEmptyMenus(bool editAllowed);
    // Shows or hides a tool bar.
    static void FitToolBar(QToolBar *bar, bool show);
    QList<QToolBar *> ToolBars() const;

    QMenu *mnuFile, *mnuEdit, *mnuView, *mnuTools, *mnuSamples, *mnuHelp, *mnuReopen;
    QMenu *pmFileHistory;
    QToolBar *tbarFile, *tbarLookup, *tbarDataInfo, *tbarGutterInfo, *tbarCheckInfo;

private:
    void BuildMenus(QMainWindow *window, TDataModule1 *data, TMainActions *actions);
    void BuildToolBars(QMainWindow *window, TDataModule1 *data, TMainActions *actions,
                       QWidget *lookupBox);
    QToolBar *MakeToolBar(QMainWindow *window, const char *name);
};
