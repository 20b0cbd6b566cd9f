#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

// The name and URL template of one web dictionary. OK keeps the dialog open, with the reason
// shown, while the entry could not be stored.
class TOnlineEditForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOnlineEditForm(QWidget *parent = nullptr);

    // For a new entry: its name must differ from these.
    void SetTakenNames(const QStringList &names) { takenNames_ = names; }

    QLineEdit *edtName() const { return name_; }
    QLineEdit *edtFormat() const { return format_; }
    QPushButton *btnOK() const { return ok_; }
    QLabel *lblRefused() const { return refused_; }

    void accept() override;

private:
    QStringList takenNames_;
    QLineEdit *name_;
    QLineEdit *format_;
    QPushButton *ok_;
    QPushButton *cancel_;
    QLabel *refused_;
};
