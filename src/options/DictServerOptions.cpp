#include "DictServerOptions.h"

#include "DictClient.h"
#include "DictProtocol.h"
#include "DictSession.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString EntryOf(const QTreeWidgetItem *item)
{
    return item->text(0) + QLatin1Char('=') + item->text(1);
}

// The greeting line's text and the databases of a SHOW DATABASES answer, as the test shows them.
QString TestReport(TDictClient::TOutcome outcome, const QByteArray &response)
{
    if (outcome != TDictClient::TOutcome::Answered || response.trimmed().isEmpty())
        return DictProtocol::UnableToConnect();
    QString report;
    for (const QByteArray &line : response.split('\n'))
        if (line.startsWith("220 ")) {
            report = DictProtocol::DecodeLine(line.mid(4).trimmed()) + QLatin1Char('\n');
            break;
        }
    const TDictListing databases = DictProtocol::ParseListing(response, "110");
    report += QCoreApplication::translate("TDictServerOptions", "Databases:");
    for (qsizetype i = 0; i < databases.names.size(); ++i)
        report +=
            QStringLiteral("\n  %1 \u2013 %2").arg(databases.names[i], databases.descriptions[i]);
    return report;
}

} // namespace

TDictServerEditForm::TDictServerEditForm(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("DictServerEditForm"));
    host_ = new QLineEdit(this);
    host_->setObjectName(QStringLiteral("edtHost"));
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("edtPort"));
    port_->setRange(1, 65535);
    port_->setValue(DictProtocol::DefaultPort);
    auto *form = new QFormLayout;
    form->addRow(tr("Host:"), host_);
    form->addRow(tr("Port:"), port_);
    auto *ok = new QPushButton(tr("&OK"), this);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TDictServerEditForm::accept);
    connect(cancel, &QPushButton::clicked, this, &TDictServerEditForm::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);
}

void TDictServerEditForm::accept()
{
    // The host is a settings key: no blanks at its ends, no "=".
    const QString host = host_->text().trimmed();
    if (host.isEmpty() || host.contains(QLatin1Char('=')) || host.contains(QLatin1Char(' '))) {
        host_->setFocus(Qt::OtherFocusReason);
        host_->selectAll();
        return;
    }
    host_->setText(host);
    QDialog::accept();
}

TDictServerOptions::TDictServerOptions(const TOptionsContext &, QWidget *parent)
    : TOptionsFrame(parent)
{
    setObjectName(QStringLiteral("frmDictServerOptions"));
    RunEditForm = [](TDictServerEditForm &form) { return form.exec() == QDialog::Accepted; };
    servers_ = new QTreeWidget(this);
    servers_->setObjectName(QStringLiteral("lvServers"));
    servers_->setHeaderLabels({tr("Host"), tr("Port")});
    servers_->setRootIsDecorated(false);
    servers_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    servers_->header()->setStretchLastSection(false);
    testResult_ = new QPlainTextEdit(this);
    testResult_->setObjectName(QStringLiteral("mTestResult"));
    testResult_->setReadOnly(true);
    testResult_->setMaximumHeight(110);
    refreshNote_ = new QLabel(this);
    refreshNote_->setWordWrap(true);

    add_ = AddButton(tr("&Add..."), "btnAdd", &TDictServerOptions::Add);
    edit_ = AddButton(tr("&Edit..."), "btnEdit", &TDictServerOptions::Edit);
    remove_ = AddButton(tr("&Remove"), "btnRemove", &TDictServerOptions::Remove);
    up_ = AddButton(tr("Move &Up"), "btnUp", &TDictServerOptions::MoveUp);
    down_ = AddButton(tr("Move &Down"), "btnDown", &TDictServerOptions::MoveDown);
    test_ = AddButton(tr("&Test"), "btnTest", &TDictServerOptions::Test);
    refresh_ = AddButton(tr("Refresh &lists"), "btnRefresh", &TDictServerOptions::RefreshLists);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {add_, edit_, remove_, up_, down_, test_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(servers_, 1);
    row->addLayout(buttons);
    auto *refreshRow = new QHBoxLayout;
    refreshRow->addWidget(refresh_);
    refreshRow->addWidget(refreshNote_, 1);
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Servers, tried in this order:"), this));
    column->addLayout(row, 1);
    column->addWidget(testResult_);
    column->addLayout(refreshRow);

    QStringList entries;
    TDictSettings::Instance().GetDictServers(entries);
    for (const QString &entry : std::as_const(entries))
        AddItem(entry, servers_->topLevelItemCount());
    connect(servers_, &QTreeWidget::currentItemChanged, this, &TDictServerOptions::UpdateButtons);
    connect(servers_, &QTreeWidget::itemDoubleClicked, this, &TDictServerOptions::Edit);
    servers_->setCurrentItem(servers_->topLevelItem(0));
    UpdateButtons();
}

TDictServerOptions::~TDictServerOptions() = default;

QPushButton *TDictServerOptions::AddButton(const QString &caption, const char *name,
                                           void (TDictServerOptions::*slot)())
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

QString TDictServerOptions::Title() const
{
    return tr("Online dictionaries|DICT servers");
}

QStringList TDictServerOptions::Entries() const
{
    QStringList entries;
    for (int i = 0; i < servers_->topLevelItemCount(); ++i)
        entries << EntryOf(servers_->topLevelItem(i));
    return entries;
}

bool TDictServerOptions::Testing() const
{
    return testClient_ && testClient_->Busy();
}

void TDictServerOptions::AddItem(const QString &entry, int at)
{
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    auto *item = new QTreeWidgetItem({entry.left(equals), entry.mid(equals + 1)});
    servers_->insertTopLevelItem(at, item);
    servers_->setCurrentItem(item);
}

void TDictServerOptions::Add()
{
    TDictServerEditForm form(this);
    form.setWindowTitle(tr("Add DICT Server"));
    if (RunEditForm(form))
        AddItem(form.edtHost()->text() + QLatin1Char('=') +
                    QString::number(form.edtPort()->value()),
                servers_->topLevelItemCount());
}

void TDictServerOptions::Edit()
{
    QTreeWidgetItem *item = servers_->currentItem();
    if (!item)
        return;
    TDictServerEditForm form(this);
    form.setWindowTitle(tr("Edit DICT Server"));
    form.edtHost()->setText(item->text(0));
    form.edtPort()->setValue(item->text(1).toInt());
    if (!RunEditForm(form))
        return;
    item->setText(0, form.edtHost()->text());
    item->setText(1, QString::number(form.edtPort()->value()));
}

void TDictServerOptions::Remove()
{
    delete servers_->currentItem();
    UpdateButtons();
}

void TDictServerOptions::MoveUp()
{
    Move(-1);
}

void TDictServerOptions::MoveDown()
{
    Move(1);
}

void TDictServerOptions::Move(int delta)
{
    const int row = servers_->indexOfTopLevelItem(servers_->currentItem());
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= servers_->topLevelItemCount())
        return;
    QTreeWidgetItem *item = servers_->takeTopLevelItem(row);
    servers_->insertTopLevelItem(target, item);
    servers_->setCurrentItem(item);
}

void TDictServerOptions::Test()
{
    QTreeWidgetItem *item = servers_->currentItem();
    if (!item)
        return;
    if (!TDictSettings::Instance().GetUseNetwork()) {
        testResult_->setPlainText(tr("Online lookups are turned off in Options."));
        return;
    }
    delete testClient_;
    testClient_ = new TDictClient(this);
    testClient_->SetServers({EntryOf(item)});
    connect(testClient_, &TDictClient::Finished, this,
            [this](TDictClient::TOutcome outcome, const QByteArray &response) {
                testResult_->setPlainText(TestReport(outcome, response));
            });
    testResult_->setPlainText(tr("Connecting to %1:%2\u2026").arg(item->text(0), item->text(1)));
    testClient_->Start(QByteArrayLiteral("SHOW DATABASES\r\n"));
}

void TDictServerOptions::RefreshLists()
{
    refreshLists_ = true;
    refreshNote_->setText(
        tr("The database and strategy lists will be fetched again at the next lookup."));
}

void TDictServerOptions::UpdateButtons()
{
    const int row = servers_->indexOfTopLevelItem(servers_->currentItem());
    const int count = servers_->topLevelItemCount();
    for (QPushButton *button : {edit_, remove_, test_})
        button->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < count);
}

void TDictServerOptions::Apply()
{
    TDictSettings &settings = TDictSettings::Instance();
    QStringList stored;
    settings.GetDictServers(stored);
    // An empty list reads as the default server, so it is stored only when it differs.
    if (Entries() != stored)
        settings.SetDictServers(Entries());
    if (refreshLists_)
        TDictSession::ClearCachedLists();
}
