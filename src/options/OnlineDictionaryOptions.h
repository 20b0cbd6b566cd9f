#pragma once

#include "OptionsFrame.h"

#include <functional>

class QAction;
class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TOnlineEditForm;

// The web dictionaries: which of them get a tab, new ones, changed templates, removals and their
// order; and the one switch for the network. Nothing is stored before Apply.
class TfrmOnlineDictionaryOptions : public TOptionsFrame
{
    Q_OBJECT

public:
    explicit TfrmOnlineDictionaryOptions(const TOptionsContext &context, QWidget *parent = nullptr);

    QString Title() const override;
    // Stores every entry and its check mark in list order, then tells the hosts of the web
    // tabs.
    void Apply() override;

    // Runs the edit dialog; returns whether it closed with OK. A modal run unless replaced.
    std::function<bool(TOnlineEditForm &form)> RunEditForm;

    void btnAddClick();
    void actEditExecute();
    void RemoveCurrent();
    void MoveCurrent(int delta);

    QListWidget *CheckListBox1() const { return list_; }
    QPushButton *btnAdd() const { return add_; }
    QPushButton *btnEdit() const { return edit_; }
    QAction *actEdit() const { return actEdit_; }
    QPushButton *btnRemove() const { return remove_; }
    QPushButton *btnUp() const { return up_; }
    QPushButton *btnDown() const { return down_; }
    QCheckBox *ckUseNetwork() const { return useNetwork_; }
    static QString NameOf(const QListWidgetItem *item);
    static QString TemplateOf(const QListWidgetItem *item);

private:
    QListWidgetItem *AddItem(const QString &name, const QString &urlTemplate, bool checked);
    static void SetTemplate(QListWidgetItem *item, const QString &urlTemplate);
    QStringList Names() const;
    void UpdateButtons();

    QListWidget *list_;
    QPushButton *add_;
    QPushButton *edit_;
    QPushButton *remove_;
    QPushButton *up_;
    QPushButton *down_;
    QCheckBox *useNetwork_;
    QAction *actEdit_;
};
