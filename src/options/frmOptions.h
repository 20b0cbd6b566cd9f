#pragma once

#include "OptionsFrame.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The Options dialog: a tree of the registered pages on the left, the chosen page on the right.
// It owns the pages it creates; each showing creates them anew.
class TOptionsForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 520;
    static constexpr int ClientHeight = 395;
    static constexpr int TreeWidth = 185;

    explicit TOptionsForm(TOptionsContext context, QWidget *parent = nullptr);
    ~TOptionsForm() override;

    // Shows the dialog modally; after OK every page applies its values, in registry order.
    // Returns whether they were applied.
    static bool Execute(QWidget *parent, TOptionsContext context);

    // Runs Apply on every page in registry order; a failing write is reported, and the pages
    // after it are not applied.
    void ApplyPages();

    QTreeWidget *TreeView1() const { return tree_; }
    QTabWidget *pgctrlOptions() const { return pages_; }
    QPushButton *btnOK() const { return ok_; }
    QPushButton *btnCancel() const { return cancel_; }
    const std::vector<TOptionsFrame *> &Pages() const { return frames_; }
    // The full title of the page shown.
    QString ActivePageTitle() const;

    // Checks every page; keeps the dialog open on the first refused value.
    void accept() override;

private:
    void BuildLayout();
    void BuildPages();
    void AddPage(TOptionsFrame *frame);
    QTreeWidgetItem *ParentNode(const QStringList &path);
    QTreeWidgetItem *NodeOf(const QString &title) const;
    void TreeView1Change(QTreeWidgetItem *node);
    void Report(const QString &message);

    TOptionsContext context_;
    QTreeWidget *tree_ = nullptr;
    QTabWidget *pages_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
    std::vector<TOptionsFrame *> frames_;
};

// A node's path: its text after each ancestor's text and "|".
QString OptionsNodePath(const QTreeWidgetItem *node);
