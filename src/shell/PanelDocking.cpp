#include "PanelDocking.h"

#include "AppComponents.h"
#include "AppFolders.h"
#include "Common.h"
#include "DictFrame.h"
#include "DockPanel.h"
#include "More.h"
#include "PronunciationBar.h"
#include "Settings.h"
#include "Splitter.h"
#include "TabStyle.h"
#include "VerseFormChooser.h"
#include "frmRhymeLines.h"

#include <QBoxLayout>
#include <QFrame>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {
QVBoxLayout *TightLayout(QWidget *widget)
{
    auto *layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}
} // namespace

TPanelDocking::TPanelDocking(QWidget *window, QWidget *pnlMain) : QObject(window), window_(window)
{
    BuildSide(right_, true);
    BuildSide(left_, false);
    common_ = new TfrmCommon(right_.common);
    more_ = new TfrmMore(right_.more);
    Place(common_, right_.common);
    Place(more_, right_.more);
    BuildRhymeLineStrip(pnlMain);
}

TPanelDocking::~TPanelDocking() = default;

void TPanelDocking::BuildSide(TSide &side, bool right)
{
    const QString name = right ? QStringLiteral("Right") : QStringLiteral("Left");
    QWidget *centre = window_->findChild<QWidget *>(QStringLiteral("pnlCentre"));
    auto *row = qobject_cast<QBoxLayout *>(centre->layout());
    side.panel = new QFrame(centre);
    side.panel->setObjectName(QStringLiteral("pnl") + name);
    side.panel->setAttribute(Qt::WA_OpaquePaintEvent, false);
    side.panel->setFixedWidth(right ? 163 : 161);
    QVBoxLayout *layout = TightLayout(side.panel);
    layout->addSpacing(3);
    side.pages = new QTabWidget(side.panel);
    side.pages->setObjectName(QStringLiteral("pgctrl") + name);
    side.pages->setDocumentMode(true);
    side.pages->tabBar()->setExpanding(false);
    layout->addWidget(side.pages);
    side.common = new QWidget(side.pages);
    side.common->setObjectName(QStringLiteral("tbsht") + name + QStringLiteral("Common"));
    TightLayout(side.common);
    side.more = new QWidget(side.pages);
    side.more->setObjectName(QStringLiteral("tbsht") + name + QStringLiteral("More"));
    TightLayout(side.more);
    side.pages->addTab(side.common, tr("Common"));
    side.pages->addTab(side.more, tr("More"));
    side.splitter =
        new TSplitter(centre, QStringLiteral("splt") + name, Qt::Vertical, side.panel, right);
    side.splitter->CanResize = [panel = side.panel] { return panel->width() > CollapsedSize; };
    side.splitter->Limit = [this](int size) { return LimitSize(size); };
    side.splitter->Moved = [right](int size) {
        if (right)
            TDictSettings::Instance().SetDockRightSplitter(size);
        else
            TDictSettings::Instance().SetDockLeftSplitter(size);
    };
    if (right) {
        row->addWidget(side.splitter);
        row->addWidget(side.panel);
    } else {
        row->insertWidget(0, side.splitter);
        row->insertWidget(0, side.panel);
    }
}

void TPanelDocking::BuildRhymeLineStrip(QWidget *pnlMain)
{
    auto *column = qobject_cast<QBoxLayout *>(pnlMain->layout());
    rhymeLine_ = new QFrame(pnlMain);
    rhymeLine_->setObjectName(QStringLiteral("pnlRhymeLine"));
    TightLayout(rhymeLine_);
    rhymeLine_->setFixedHeight(0);
    splitter1_ =
        new TSplitter(pnlMain, QStringLiteral("Splitter1"), Qt::Horizontal, rhymeLine_, true);
    splitter1_->CanResize = [this] { return rhymeLine_->height() > CollapsedSize; };
    // Limited by a third of the window's width, as for the side panels.
    splitter1_->Limit = [this](int size) { return LimitSize(size); };
    splitter1_->Moved = [](int size) { TDictSettings::Instance().SetBottomSplitterPosition(size); };
    column->addWidget(splitter1_);
    column->addWidget(rhymeLine_);
}

QWidget *TPanelDocking::Dock(TDock dock) const
{
    switch (dock) {
    case TDock::Common:
        return common_->pnlDock();
    case TDock::More:
        return more_->pnlDock();
    case TDock::RhymeLine:
        break;
    }
    return rhymeLine_;
}

bool TPanelDocking::CommonRight()
{
    return TDictSettings::Instance().CommonSideIsRight();
}
bool TPanelDocking::MoreRight()
{
    return TDictSettings::Instance().MoreSideIsRight();
}

int TPanelDocking::StoredWidth(bool right)
{
    TDictSettings &settings = TDictSettings::Instance();
    return right ? settings.GetDockRightSplitter() : settings.GetDockLeftSplitter();
}

int TPanelDocking::LimitSize(int size) const
{
    // A drag never closes a panel that still shows a lookup panel: at 1 pixel its splitter
    // would refuse every later move, and only hiding and showing the panel would bring it back.
    return std::clamp(size, MinOpenSize, std::max(MinOpenSize, window_->width() / 3));
}

int TPanelDocking::OpenSize(int stored) const
{
    // A damaged or hand-edited value must still give a usable panel.
    return std::clamp(stored, MinOpenSize, std::max(MinOpenSize, window_->width() / 3));
}

void TPanelDocking::SetSideWidth(bool right, int width)
{
    Side(right).panel->setFixedWidth(width);
}

int TPanelDocking::PanelCount(const QWidget *dock)
{
    int count = 0;
    for (const QObject *child : dock->children())
        if (child->isWidgetType() && child->inherits("TDictFrame"))
            ++count;
    return count;
}

void TPanelDocking::Place(QWidget *group, QWidget *container)
{
    if (group->parentWidget() != container || container->layout()->indexOf(group) < 0)
        container->layout()->addWidget(group);
    group->show();
}

void TPanelDocking::SetTabVisible(TSide &side, QWidget *tab, bool visible)
{
    side.pages->setTabVisible(side.pages->indexOf(tab), visible);
}

void TPanelDocking::TogglePanel(TDock dock, const QString &className)
{
    if (dock == TDock::RhymeLine) {
        ToggleRhymeLine(className);
        return;
    }
    if (QObject *existing = FindAppComponent(className)) {
        delete existing;
        FreedFromGroup(dock);
        return;
    }
    QWidget *target = Dock(dock);
    TDictFrame *panel = TDictFrame::Create(className, target, 1);
    if (!panel)
        return; // a panel class this build does not have yet
    RegisterAppComponent(panel);
    panel->show();
    DockedIntoGroup(dock);
}

void TPanelDocking::FreedFromGroup(TDock dock)
{
    const bool commonRight = CommonRight();
    const bool moreRight = MoreRight();
    const bool isCommon = dock == TDock::Common;
    const bool right = isCommon ? commonRight : moreRight;
    const int own = PanelCount(Dock(dock));
    const int other = PanelCount(Dock(isCommon ? TDock::More : TDock::Common));
    const bool shared = commonRight == moreRight;
    if (own == 0)
        SetTabVisible(Side(right), isCommon ? Side(right).common : Side(right).more, false);
    if (shared ? own == 0 && other == 0 : own == 0)
        SetSideWidth(right, CollapsedSize);
}

void TPanelDocking::DockedIntoGroup(TDock dock)
{
    const bool isCommon = dock == TDock::Common;
    const bool right = isCommon ? CommonRight() : MoreRight();
    TSide &side = Side(right);
    if (side.panel->width() <= CollapsedSize)
        SetSideWidth(right, OpenSize(StoredWidth(right)));
    if (CommonRight() == MoreRight()) {
        QWidget *tab = isCommon ? side.common : side.more;
        side.pages->show();
        SetTabVisible(side, tab, true);
        side.pages->setCurrentWidget(tab);
    }
}

void TPanelDocking::ToggleRhymeLine(const QString &className)
{
    if (QObject *existing = FindAppComponent(className)) {
        delete existing;
        if (PanelCount(rhymeLine_) == 0)
            rhymeLine_->setFixedHeight(CollapsedSize);
        return;
    }
    TDictFrame *panel = TDictFrame::Create(className, rhymeLine_, 1);
    if (!panel)
        return;
    RegisterAppComponent(panel);
    rhymeLine_->layout()->addWidget(panel);
    panel->show();
    if (rhymeLine_->height() > CollapsedSize)
        return;
    rhymeLine_->setFixedHeight(OpenSize(TDictSettings::Instance().GetBottomSplitterPosition()));
    // Its own refresh in the constructor was skipped: it was not visible yet.
    if (auto *lines = qobject_cast<TfrmRhymeLines *>(panel))
        lines->Refresh();
}

void TPanelDocking::ArrangeSidePanels()
{
    const bool commonRight = CommonRight();
    const bool moreRight = MoreRight();
    TSide &commonSide = Side(commonRight);
    TSide &moreSide = Side(moreRight);
    if (commonRight == moreRight) {
        right_.pages->show();
        left_.pages->show();
        Place(more_, moreSide.more);
        Place(common_, commonSide.common);
        commonSide.pages->setCurrentWidget(commonSide.common);
    } else {
        right_.pages->hide();
        left_.pages->hide();
        Place(common_, commonSide.panel);
        Place(more_, moreSide.panel);
    }
    UpdateSideTabs();
    more_->pnlPronunciationMore()->setVisible(right_.panel->width() <= CollapsedSize ||
                                              left_.panel->width() <= CollapsedSize);
}

void TPanelDocking::UpdateSideTabs()
{
    const bool commonRight = CommonRight();
    const bool moreRight = MoreRight();
    const bool commonShown = PanelCount(common_->pnlDock()) > 0;
    const bool moreShown = PanelCount(more_->pnlDock()) > 0;
    for (bool right : {true, false}) {
        TSide &side = Side(right);
        const bool common = right == commonRight && commonShown;
        const bool more = right == moreRight && moreShown;
        SetTabVisible(side, side.common, common);
        SetTabVisible(side, side.more, more);
        SetSideWidth(right, common || more ? OpenSize(StoredWidth(right)) : CollapsedSize);
    }
}

void TPanelDocking::ApplyTabStyle(bool asButtons)
{
    for (QTabWidget *pages : {right_.pages, left_.pages})
        ShowTabsAsButtons(pages, asButtons);
}

void TPanelDocking::UpdateVerseFormStrip()
{
    const bool show = TDictSettings::Instance().GetShowVerseForms();
    common_->pnlVerseForm()->setVisible(show);
    TSide &side = Side(CommonRight());
    if (show && side.pages->currentWidget() != side.common)
        side.pages->setCurrentWidget(side.common);
}

void TPanelDocking::FreePanels(const QStringList &classNames)
{
    for (const QString &name : classNames)
        while (QObject *panel = FindAppComponent(name))
            delete panel;
}
