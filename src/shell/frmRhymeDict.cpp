#include "frmRhymeDict.h"

#include "DictionaryList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TfrmRhymeDict::TfrmRhymeDict(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Tolvane Dictionary of Rhyme"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    cmbLookup_ = new QComboBox(central);
    cmbLookup_->setObjectName(QStringLiteral("cmbLookup"));
    cmbLookup_->setEditable(true);
    lblWord_ = new QLabel(central);
    lblWord_->setObjectName(QStringLiteral("lblWord"));
    lblWord_->setWordWrap(true);
    lblWord_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(cmbLookup_);
    layout->addWidget(lblWord_, 1);
    setCentralWidget(central);
    connect(cmbLookup_, &QComboBox::editTextChanged, this, &TfrmRhymeDict::cmbLookupChange);
    TDictionaryList::Instance().WordChanged.Add({0, 1}, &TfrmRhymeDict::WordChange, this);
}

TfrmRhymeDict::~TfrmRhymeDict()
{
    if (TDictionaryList::Exists())
        TDictionaryList::Instance().WordChanged.Remove(&TfrmRhymeDict::WordChange, this);
}

void TfrmRhymeDict::cmbLookupChange(const QString &text)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.RequestDelay(true);
    dict.SetWord(text);
}

void TfrmRhymeDict::WordChange(QObject *)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    const QString word = dict.GetWord();
    const QString group = dict.Lookup(TDictionaryList::RhymeSlot, word);
    QString rhymes = dict.Lookup(TDictionaryList::RhymeSlot, group);
    rhymes.replace(QLatin1Char('#'), QLatin1String(", "));
    lblWord_->setText(tr("Current word: %1\n\n%2").arg(word, rhymes));
}
