#pragma once

#include "OptionsFrame.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class TDictClient;

// The host and port of one DICT server.
class TDictServerEditForm : public QDialog
{
    Q_OBJECT

public:
    explicit TDictServerEditForm(QWidget *parent = nullptr);
    QLineEdit *edtHost() const { return host_; }
    QSpinBox *edtPort() const { return port_; }
    void accept() override; // refuses a blank host

private:
    QLineEdit *host_;
    QSpinBox *port_;
};

// The DICT servers, tried in list order: added, edited, removed, reordered and tested; nothing
// is stored before Apply. "Refresh lists" has the cached database and strategy lists fetched
// again by the next lookup.
class TDictServerOptions : public TOptionsFrame
{
    Q_OBJECT

public:
    explicit TDictServerOptions(const TOptionsContext &context, QWidget *parent = nullptr);
    ~TDictServerOptions() override;

    QString Title() const override;
    void Apply() override;

    // Runs the edit dialog; returns whether it closed with OK. A modal run unless replaced.
    std::function<bool(TDictServerEditForm &form)> RunEditForm;

    QTreeWidget *lvServers() const { return servers_; }
    QPushButton *btnAdd() const { return add_; }
    QPushButton *btnEdit() const { return edit_; }
    QPushButton *btnRemove() const { return remove_; }
    QPushButton *btnUp() const { return up_; }
    QPushButton *btnDown() const { return down_; }
    QPushButton *btnTest() const { return test_; }
    QPushButton *btnRefresh() const { return refresh_; }
    QPlainTextEdit *mTestResult() const { return testResult_; }
    // "host=port" entries in list order.
    QStringList Entries() const;
    // Whether a test is waiting for its server.
    bool Testing() const;

private:
    QPushButton *AddButton(const QString &caption, const char *name,
                           void (TDictServerOptions::*slot)());
    void AddItem(const QString &entry, int at);
    void Add();
    void Edit();
    void Remove();
    void MoveUp();
    void MoveDown();
    void Move(int delta);
    void Test();
    void RefreshLists();
    void UpdateButtons();

    QTreeWidget *servers_;
    QPushButton *add_, *edit_, *remove_, *up_, *down_, *test_, *refresh_;
    QPlainTextEdit *testResult_;
    QLabel *refreshNote_;
    TDictClient *testClient_ = nullptr;
    bool refreshLists_ = false;
};
