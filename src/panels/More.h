#pragma once

#include <QFrame>

class TDockPanel;
class TPronunciationBar;

// The "More" side group: pronunciation buttons on top (shown only when the groups share no
// side), below them the docked phrases panel above the Roundex panel.
class TfrmMore : public QFrame
{
    Q_OBJECT

public:
    explicit TfrmMore(QWidget *parent = nullptr);
    ~TfrmMore() override;

    TDockPanel *pnlDock() const { return dock_; }
    TPronunciationBar *pnlPronunciationMore() const { return bar_; }

    // At the main window's first activation: no pronunciation yet.
    void StartupReset();
    void WordChange(QObject *sender);

private:
    TDockPanel *dock_ = nullptr;
    TPronunciationBar *bar_ = nullptr;
};
