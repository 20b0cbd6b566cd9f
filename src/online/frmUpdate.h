#pragma once

#include <QDialog>
#include <QTimer>

class QPushButton;

// Offers the download page of a newer version: "&Update Now!" or "&Later". The window comes up
// on its own, so it must not act on keys meant for the verse the user was typing: "&Later" is
// the default and focused button, "&Update Now!" takes no focus and answers only a click or its
// Alt shortcut, and for GuardMs after the window is shown no key reaches it at all.
class TfrmUpdate : public QDialog
{
    Q_OBJECT

public:
    enum TChoice
    {
        Later = QDialog::Rejected,
        UpdateNow = QDialog::Accepted
    };
    static constexpr int GuardMs = 1000;

    explicit TfrmUpdate(QWidget *parent);

    QPushButton *btnUpdate() const { return update_; }
    QPushButton *btnLater() const { return later_; }
    bool Guarded() const { return guard_.isActive(); }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void EndGuard();

    QPushButton *update_;
    QPushButton *later_;
    QTimer guard_;
};
