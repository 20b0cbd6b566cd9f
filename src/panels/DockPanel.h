#pragma once

#include "Panel.h"

#include <QStringList>

// The dock of a side group. Its direct children are its fixed strips (one at the top, optionally
// one at the bottom) and the lookup panels the main window docks into it; it lays them all out
// itself, whenever it resizes or a child comes, goes, shows or hides. The docked panels share
// the height between the strips equally, in the order of the dock's panel classes.
class TDockPanel : public TPanel
{
    Q_OBJECT

public:
    TDockPanel(QWidget *parent, const QStringList &panelClasses);

    // The top strip always takes its height from the panels unless countTopOnlyIfVisible.
    void SetTopStrip(QWidget *strip, bool countTopOnlyIfVisible);
    void SetBottomStrip(QWidget *strip);
    const QStringList &PanelClasses() const { return classes_; }

    // Lays out the strips and the docked panels now.
    void AlignChildren();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void AlignLater();
    void AlignStrips();
    int TopHeight() const;
    int BottomHeight() const;
    int PresentCount() const;
    void AlignPanels(const QList<QWidget *> &panels, int panelHeight);
    QList<QWidget *> DockedPanels() const;

    QStringList classes_;
    QWidget *top_ = nullptr;
    QWidget *bottom_ = nullptr;
    bool countTopOnlyIfVisible_ = false;
    bool alignPending_ = false;
};

// The docked panel of this class that counts for the layout: the one owned by the application,
// if it exists and is shown; otherwise null.
QWidget *PresentPanel(const QString &className);
