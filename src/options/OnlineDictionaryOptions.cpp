#include "OnlineDictionaryOptions.h"

#include "DictionaryList.h"
#include "OnlineEditForm.h"
#include "Settings.h"
#include "WebTabs.h"

#include <QAction>
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
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(edit_);
    buttons->addStretch(1);
    auto *column = new QVBoxLayout(this);
    column->addWidget(list_, 1);
    column->addLayout(buttons);

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
    for (int i = 0; i < list_->count(); ++i) {
        const QListWidgetItem *item = list_->item(i);
        settings.SetOnlineDictionary(NameOf(item), TemplateOf(item));
        settings.SetOnlineLookupEnabled(NameOf(item), item->checkState() == Qt::Checked);
    }
    TDictionaryList::Instance().NotifyOnlineDictionaries();
}
