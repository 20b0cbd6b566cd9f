#include "ThesaurusDialog.h"

#include "DictionaryList.h"
#include "Thesaurus.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TThesaurusDialog::TThesaurusDialog(QWidget *parent, TThesaurus &engine)
    : QDialog(parent), engine_(engine)
{
    setObjectName(QStringLiteral("ThesaurusDialog"));
    setWindowTitle(tr("Thesaurus"));
    BuildControls();
    ShowLookup();
}

void TThesaurusDialog::BuildControls()
{
    lblWord_ = new QLabel(this);
    lbMeanings_ = new QListWidget(this);
    lbMeanings_->setObjectName(QStringLiteral("lbMeanings"));
    lbWords_ = new QListWidget(this);
    lbWords_->setObjectName(QStringLiteral("lbWords"));
    edReplace_ = new QLineEdit(this);
    edReplace_->setObjectName(QStringLiteral("edReplace"));

    auto *buttons = new QDialogButtonBox(this);
    btnReplace_ = buttons->addButton(tr("Replace"), QDialogButtonBox::AcceptRole);
    btnLookUp_ = buttons->addButton(tr("Look Up"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    btnReplace_->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblWord_, 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Meanings:"), this), 1, 0);
    grid->addWidget(new QLabel(tr("Words:"), this), 1, 1);
    grid->addWidget(lbMeanings_, 2, 0);
    grid->addWidget(lbWords_, 2, 1);
    grid->addWidget(new QLabel(tr("Replace with:"), this), 3, 0, 1, 2);
    grid->addWidget(edReplace_, 4, 0, 1, 2);
    grid->addWidget(buttons, 5, 0, 1, 2);

    connect(lbMeanings_, &QListWidget::currentRowChanged, this, [this] { ShowWords(); });
    connect(lbWords_, &QListWidget::currentTextChanged, edReplace_, &QLineEdit::setText);
    connect(lbWords_, &QListWidget::itemDoubleClicked, this, [this] { Replace(); });
    connect(edReplace_, &QLineEdit::textChanged, this,
            [this](const QString &text) { btnReplace_->setEnabled(!text.trimmed().isEmpty()); });
    connect(btnReplace_, &QPushButton::clicked, this, [this] { Replace(); });
    connect(btnLookUp_, &QPushButton::clicked, this, [this] { LookUpReplacement(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TThesaurusDialog::LookUpForDialog(TThesaurus &engine, const QString &word)
{
    engine.CloseDataFile(); // read afresh
    const QString entry = engine.FindEntry(word);
    return entry.isEmpty() ? word : entry; // nothing found: the word itself, with no meanings
}

bool TThesaurusDialog::Execute(QWidget *parent, TThesaurus &engine, const QString &word)
{
    LookUpForDialog(engine, word);
    TThesaurusDialog dialog(parent, engine);
    return dialog.exec() == QDialog::Accepted;
}

void TThesaurusDialog::ShowLookup()
{
    const QString word = engine_.LookupWord();
    lblWord_->setText(engine_.ContextCount() > 0 ? tr("Meanings of \"%1\"").arg(word)
                                                 : tr("\"%1\" is not in the thesaurus").arg(word));
    lbMeanings_->clear();
    for (const TThesaurusContext &context : engine_.Contexts())
        lbMeanings_->addItem(context.kind.isEmpty()
                                 ? context.word
                                 : QStringLiteral("%1 (%2)").arg(context.word, context.kind));
    edReplace_->setText(word);
    if (lbMeanings_->count() > 0)
        lbMeanings_->setCurrentRow(0);
    else
        ShowWords();
}

void TThesaurusDialog::ShowWords()
{
    const int row = lbMeanings_->currentRow();
    lbWords_->clear();
    if (row >= 0 && row < engine_.ContextCount())
        lbWords_->addItems(engine_.Context(row).AllWords());
}

void TThesaurusDialog::LookUpReplacement()
{
    LookUpForDialog(engine_, edReplace_->text().trimmed());
    ShowLookup();
}

void TThesaurusDialog::Replace()
{
    const QString word = edReplace_->text().trimmed();
    if (word.isEmpty())
        return;
    TDictionaryList::Instance().SetPickedWord(word);
    accept();
}
