#include "OnlineDictionaryOptions.h"

#include "DictionaryList.h"
#include "OnlineEditForm.h"
#include "Settings.h"
#include "WebTabs.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int NameRole = Qt::UserRole;
constexpr int TemplateRole = Qt::UserRole + 1;
} // namespace

TfrmOnlineDictionaryOptions::TfrmOnlineDictionaryOptions(const TOptionsContext &, QWidget *parent)
    : TOptionsFrame(parent)
{
    setObjectName(QStringLiteral("frmOnlineDictionaryOptions"));
    RunEditForm = [](TOnlineEditForm &form) { return form.exec() == QDialog::Accepted; };
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CheckListBox1"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    add_ = new QPushButton(tr("&Add..."), this);
    add_->setObjectName(QStringLiteral("btnAdd"));
    actEdit_ = new QAction(tr("&Edit..."), this);
    actEdit_->setObjectName(QStringLiteral("actEdit"));
    edit_ = new QPushButton(actEdit_->text(), this);
    edit_->setObjectName(QStringLiteral("btnEdit"));
    remove_ = new QPushButton(tr("&Remove"), this);
    remove_->setObjectName(QStringLiteral("btnRemove"));
    up_ = new QPushButton(tr("Move &Up"), this);
    up_->setObjectName(QStringLiteral("btnUp"));
    down_ = new QPushButton(tr("Move &Down"), this);
    down_->setObjectName(QStringLiteral("btnDown"));
    useNetwork_ = new QCheckBox(tr("Use online dictionaries and check for updates"), this);
    useNetwork_->setObjectName(QStringLiteral("ckUseNetwork"));
    useNetwork_->setChecked(TDictSettings::Instance().GetUseNetwork());
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {add_, edit_, remove_, up_, down_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto *column = new QVBoxLayout(this);
    column->addWidget(useNetwork_);
    column->addWidget(list_, 1);
    column->addLayout(buttons);
    connect(remove_, &QPushButton::clicked, this, &TfrmOnlineDictionaryOptions::RemoveCurrent);
    connect(up_, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
    connect(list_, &QListWidget::currentRowChanged, this,
            &TfrmOnlineDictionaryOptions::UpdateButtons);

    connect(add_, &QPushButton::clicked, this, &TfrmOnlineDictionaryOptions::btnAddClick);
    connect(edit_, &QPushButton::clicked, actEdit_, &QAction::trigger);
    connect(actEdit_, &QAction::triggered, this, &TfrmOnlineDictionaryOptions::actEditExecute);
    connect(actEdit_, &QAction::changed, edit_,
            [this] { edit_->setEnabled(actEdit_->isEnabled()); });
    connect(list_, &QListWidget::currentItemChanged, actEdit_,
            [this](QListWidgetItem *current) { actEdit_->setEnabled(current != nullptr); });
    actEdit_->setEnabled(false);

    QStringList entries;
    TDictSettings &settings = TDictSettings::Instance();
    settings.GetOnlineDictionaries(entries);
    for (const QString &entry : std::as_const(entries)) {
        const QString name = TWebTabs::NameOf(entry);
        AddItem(name, entry.mid(name.size() + 1), settings.IsOnlineLookupEnabled(name));
    }
    UpdateButtons();
}

void TfrmOnlineDictionaryOptions::UpdateButtons()
{
    const int row = list_->currentRow();
    // The last entry stays: an empty list would bring the four defaults back.
    remove_->setEnabled(row >= 0 && list_->count() > 1);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < list_->count());
}

void TfrmOnlineDictionaryOptions::RemoveCurrent()
{
    if (list_->count() > 1)
        delete list_->currentItem();
    UpdateButtons();
}

void TfrmOnlineDictionaryOptions::MoveCurrent(int delta)
{
    const int row = list_->currentRow();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= list_->count())
        return;
    QListWidgetItem *item = list_->takeItem(row);
    list_->insertItem(target, item);
    list_->setCurrentItem(item);
}

QString TfrmOnlineDictionaryOptions::NameOf(const QListWidgetItem *item)
{
    return item->data(NameRole).toString();
}

QString TfrmOnlineDictionaryOptions::TemplateOf(const QListWidgetItem *item)
{
    return item->data(TemplateRole).toString();
}

void TfrmOnlineDictionaryOptions::SetTemplate(QListWidgetItem *item, const QString &urlTemplate)
{
    item->setData(TemplateRole, urlTemplate);
    item->setText(NameOf(item) + QLatin1Char('=') + urlTemplate);
    item->setToolTip(item->text()); // a long template runs past the list's edge
}

QListWidgetItem *TfrmOnlineDictionaryOptions::AddItem(const QString &name,
                                                      const QString &urlTemplate, bool checked)
{
    auto *item = new QListWidgetItem(list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setData(NameRole, name);
    SetTemplate(item, urlTemplate);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

QStringList TfrmOnlineDictionaryOptions::Names() const
{
    QStringList names;
    for (int i = 0; i < list_->count(); ++i)
        names << NameOf(list_->item(i));
    return names;
}

void TfrmOnlineDictionaryOptions::btnAddClick()
{
    TOnlineEditForm form(this);
    form.setWindowTitle(tr("Add Online Dictionary"));
    form.SetTakenNames(Names());
    if (RunEditForm(form))
        list_->setCurrentItem(AddItem(form.edtName()->text(), form.edtFormat()->text(), true));
}

void TfrmOnlineDictionaryOptions::actEditExecute()
{
    QListWidgetItem *item = list_->currentItem();
    if (!item)
        return;
    TOnlineEditForm form(this);
    form.setWindowTitle(tr("Edit ") + NameOf(item));
    form.edtName()->setText(NameOf(item));
    form.edtName()->setEnabled(false);
    form.edtFormat()->setText(TemplateOf(item));
    if (RunEditForm(form))
        SetTemplate(item, form.edtFormat()->text());
}

QString TfrmOnlineDictionaryOptions::Title() const
{
    return tr("Online dictionaries");
}

void TfrmOnlineDictionaryOptions::Apply()
{
    TDictSettings &settings = TDictSettings::Instance();
    QStringList names, templates;
    QList<bool> enabled;
    for (int i = 0; i < list_->count(); ++i) {
        const QListWidgetItem *item = list_->item(i);
        names << NameOf(item);
        templates << TemplateOf(item);
        enabled << (item->checkState() == Qt::Checked);
    }
    settings.SetOnlineDictionaryList(names, templates, enabled);
    settings.SetUseNetwork(useNetwork_->isChecked());
    TDictionaryList::Instance().NotifyOnlineDictionaries();
}
