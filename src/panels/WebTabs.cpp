#include "WebTabs.h"

#include "DictFrame.h"
#include "PageAware.h"
#include "Settings.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString GenericOnline = QStringLiteral("TfrmGenericOnline");

QStringList CurrentEntries()
{
    return TWebTabs::EnabledEntries(TDictSettings::Instance().PeekOnlineDictionaries());
}

} // namespace

TWebTabs::TWebTabs(QTabWidget *pages, int mode) : pages_(pages), mode_(mode) {}

QString TWebTabs::NameOf(const QString &entry)
{
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    return equals < 0 ? entry : entry.left(equals);
}

QStringList TWebTabs::EnabledEntries(const QStringList &list)
{
    TDictSettings &settings = TDictSettings::Instance();
    QStringList enabled;
    for (const QString &entry : list)
        if (const QString name = NameOf(entry);
            !name.isEmpty() && settings.IsOnlineLookupEnabled(name))
            enabled << entry;
    return enabled;
}

void TWebTabs::Clear()
{
    for (const QPointer<QWidget> &tab : tabs_)
        delete tab.data();
    tabs_.clear();
}

bool TWebTabs::Stale() const
{
    return CurrentEntries() != builtFrom_;
}

void TWebTabs::Rebuild()
{
    // The user stays on the web dictionary they were looking at, when it is still there.
    QString shown;
    for (const QPointer<QWidget> &tab : tabs_)
        if (tab && tab == pages_->currentWidget())
            shown = pages_->tabText(pages_->indexOf(tab));
    Clear();
    builtFrom_ = CurrentEntries();
    if (!TDictFrame::IsRegistered(GenericOnline))
        return;
    for (const QString &entry : std::as_const(builtFrom_)) {
        const QString name = NameOf(entry);
        auto *page = new QWidget(pages_);
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        TDictFrame *panel = TDictFrame::Create(GenericOnline, page, mode_);
        if (!panel) {
            delete page;
            continue;
        }
        panel->setObjectName(GenericOnline);
        if (auto *web = dynamic_cast<TUrlTemplatePanel *>(panel))
            web->SetTemplate(entry.mid(name.size() + 1)); // empty without "="
        layout->addWidget(panel);
        panel->show();
        panel->Panel2()->hide();
        pages_->addTab(page, name);
        tabs_.emplace_back(page);
        if (name == shown)
            pages_->setCurrentWidget(page);
    }
}

int TWebTabs::Count() const
{
    int count = 0;
    for (const QPointer<QWidget> &tab : tabs_)
        count += tab ? 1 : 0;
    return count;
}
