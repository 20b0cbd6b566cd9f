#include "frmOptions.h"

#include "OptionsRegistry.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QChar PathSeparator = QLatin1Char('|');

// A closed folder normally, an open one while selected.
QIcon NodeIcon()
{
    QStyle *style = QApplication::style();
    QIcon icon = style->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    for (const QSize &size : open.availableSizes())
        icon.addPixmap(open.pixmap(size), QIcon::Selected);
    return icon;
}

} // namespace

QString OptionsNodePath(const QTreeWidgetItem *node)
{
    QString path = node->text(0);
    for (const QTreeWidgetItem *up = node->parent(); up; up = up->parent())
        path = up->text(0) + PathSeparator + path;
    return path;
}

TOptionsForm::TOptionsForm(TOptionsContext context, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      context_(std::move(context))
{
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(tr("Options"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    if (!context_.ShowMessage)
        context_.ShowMessage = [this](const QString &message) {
            QMessageBox::warning(this, windowTitle(), message);
        };
    BuildLayout();
    BuildPages();
    resize(ClientWidth, ClientHeight);
}

TOptionsForm::~TOptionsForm() = default;

void TOptionsForm::BuildLayout()
{
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    tree_ = new QTreeWidget(splitter);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pages_ = new QTabWidget(splitter);
    pages_->setObjectName(QStringLiteral("pgctrlOptions"));
    pages_->tabBar()->hide();
    pages_->setDocumentMode(true);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({TreeWidth, ClientWidth - TreeWidth});

    ok_ = new QPushButton(tr("&OK"), this);
    cancel_ = new QPushButton(tr("&Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TOptionsForm::accept);
    connect(cancel_, &QPushButton::clicked, this, &TOptionsForm::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 6);
    column->addWidget(splitter, 1);
    column->addLayout(buttons);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *node) { TreeView1Change(node); });
}

void TOptionsForm::BuildPages()
{
    for (TOptionsPageClass pageClass : OptionsPages())
        AddPage(pageClass(context_));
    tree_->expandAll();
    if (tree_->topLevelItemCount() > 0)
        tree_->setCurrentItem(tree_->topLevelItem(0));
}

void TOptionsForm::AddPage(TOptionsFrame *frame)
{
    frames_.push_back(frame);
    const QString title = frame->Title();
    QStringList path = title.split(PathSeparator);
    const QString text = path.takeLast();
    QTreeWidgetItem *parent = ParentNode(path);
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    node->setText(0, text);
    node->setIcon(0, NodeIcon());
    pages_->addTab(frame, title); // the page control owns the page from here on
}

// The node for the names before a page's own, made where missing; null for a top-level page.
QTreeWidgetItem *TOptionsForm::ParentNode(const QStringList &path)
{
    QTreeWidgetItem *parent = nullptr;
    for (const QString &name : path) {
        QTreeWidgetItem *found = nullptr;
        const int count = parent ? parent->childCount() : tree_->topLevelItemCount();
        for (int i = 0; i < count && !found; ++i) {
            QTreeWidgetItem *node = parent ? parent->child(i) : tree_->topLevelItem(i);
            if (node->text(0) == name)
                found = node;
        }
        if (!found) {
            found = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
            found->setText(0, name);
            found->setIcon(0, NodeIcon());
        }
        parent = found;
    }
    return parent;
}

QTreeWidgetItem *TOptionsForm::NodeOf(const QString &title) const
{
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if (OptionsNodePath(*it) == title)
            return *it;
    return nullptr;
}

void TOptionsForm::TreeView1Change(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const QString path = OptionsNodePath(node);
    for (int i = 0; i < pages_->count(); ++i)
        if (pages_->tabText(i) == path) {
            pages_->setCurrentIndex(i);
            return;
        }
}

QString TOptionsForm::ActivePageTitle() const
{
    return pages_->currentIndex() < 0 ? QString() : pages_->tabText(pages_->currentIndex());
}

void TOptionsForm::accept()
{
    for (TOptionsFrame *frame : frames_) {
        try {
            frame->Validate();
        } catch (const EInvalidOptionException &error) {
            if (QTreeWidgetItem *node = NodeOf(frame->Title()))
                tree_->setCurrentItem(node);
            pages_->setCurrentWidget(frame);
            if (QWidget *edit = error.Edit())
                edit->setFocus(Qt::OtherFocusReason);
            Report(error.Message());
            return;
        }
    }
    QDialog::accept();
}

void TOptionsForm::ApplyPages()
{
    try {
        for (TOptionsFrame *frame : frames_)
            frame->Apply();
    } catch (const std::exception &error) {
        Report(QString::fromUtf8(error.what()));
    }
}

void TOptionsForm::Report(const QString &message)
{
    context_.ShowMessage(message);
}

bool TOptionsForm::Execute(QWidget *parent, TOptionsContext context)
{
    TOptionsForm form(std::move(context), parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    form.ApplyPages();
    return true;
}
