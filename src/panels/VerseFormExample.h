#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The example page of the chosen verse form, in a single tool window that is freed when closed.
class TVerseForm : public QDialog
{
    Q_OBJECT

public:
    // Shows the example of the selected verse form; the window is created on first use and stays
    // hidden when the form has no example page.
    static void ShowExample();
    // The window, if it exists.
    static TVerseForm *Instance();

    QTextBrowser *HTMLViewer1() const { return viewer_; }
    QPushButton *Button1() const { return button_; }
    void LoadExample(const QString &path);
    ~TVerseForm() override;

private:
    TVerseForm();

    QTextBrowser *viewer_ = nullptr;
    QPushButton *button_ = nullptr;
};
