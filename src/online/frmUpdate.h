#pragma once

#include <QDialog>

class QPushButton;

// Offers the download page of a newer version: "&Update Now!" or "&Later".
class TfrmUpdate : public QDialog
{
    Q_OBJECT

public:
    enum TChoice
    {
        Later = QDialog::Rejected,
        UpdateNow = QDialog::Accepted
    };

    explicit TfrmUpdate(QWidget *parent);

    QPushButton *btnUpdate() const { return update_; }
    QPushButton *btnLater() const { return later_; }

private:
    QPushButton *update_;
    QPushButton *later_;
};
