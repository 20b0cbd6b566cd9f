#pragma once

#include <QMainWindow>

class QComboBox;
class QLabel;

// The main window: lookup box and the current word's results.
class TfrmRhymeDict : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmRhymeDict(QWidget *parent = nullptr);
    ~TfrmRhymeDict() override;

    QComboBox *cmbLookup() const { return cmbLookup_; }

private:
    void cmbLookupChange(const QString &text);
    void WordChange(QObject *sender);

    QComboBox *cmbLookup_ = nullptr;
    QLabel *lblWord_ = nullptr;
};
