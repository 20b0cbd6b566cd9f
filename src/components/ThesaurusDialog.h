#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TThesaurus;

// The editor's thesaurus dialog: the meanings of a word and their words. A chosen word goes to
// the verse editor the way a word picked in a panel does, replacing the word at the caret.
class TThesaurusDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows what the engine found in its last lookup.
    TThesaurusDialog(QWidget *parent, TThesaurus &engine);

    // Looks the word up afresh, else its stem or a base form (TThesaurus::FindEntry); returns
    // the word to show (the word itself when none is found).
    static QString LookUpForDialog(TThesaurus &engine, const QString &word);
    // The whole command: look up, show the dialog, hand a chosen word on. True if one was chosen.
    static bool Execute(QWidget *parent, TThesaurus &engine, const QString &word);

    QLabel *lblWord() const { return lblWord_; }
    QListWidget *lbMeanings() const { return lbMeanings_; }
    QListWidget *lbWords() const { return lbWords_; }
    QLineEdit *edReplace() const { return edReplace_; }
    QPushButton *btnReplace() const { return btnReplace_; }
    QPushButton *btnLookUp() const { return btnLookUp_; }

private:
    void BuildControls();
    void ShowLookup();
    void ShowWords();
    void LookUpReplacement();
    void Replace();

    TThesaurus &engine_;
    QLabel *lblWord_ = nullptr;
    QListWidget *lbMeanings_ = nullptr;
    QListWidget *lbWords_ = nullptr;
    QLineEdit *edReplace_ = nullptr;
    QPushButton *btnReplace_ = nullptr;
    QPushButton *btnLookUp_ = nullptr;
};
