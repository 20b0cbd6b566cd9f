#include "WordExplorer.h"

#include "LexDatabase.h"
#include "LexText.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

TCustomWordExplorer::TCustomWordExplorer(QObject *parent)
    : QObject(parent), db_(std::make_unique<TLexDatabase>())
{}

TCustomWordExplorer::~TCustomWordExplorer()
{
    delete form_.data();
}

void TCustomWordExplorer::SetDatabaseFile(const QString &file)
{
    db_->SetFileName(LexText::ToFileName(file));
}

QString TCustomWordExplorer::DatabaseFile() const
{
    return LexText::FromFileName(db_->FileName());
}

void TCustomWordExplorer::SetDefinitionsHeightPercent(int percent)
{
    definitionsPercent_ = qBound(0, percent, 100);
}

QString TCustomWordExplorer::SelectedWord() const
{
    return form_ ? form_->SelectedWord() : selectedWord_;
}

void TCustomWordExplorer::Prepare(bool fresh)
{
    if (fresh) {
        form_->SetDefinitionsHeightPercent(definitionsPercent_);
        form_->SetCopyButtonCaption(CopyButtonCaption);
    }
    form_->ApplyFontSize(FontSize);
    if (!Caption.isEmpty())
        form_->setWindowTitle(Caption);
    db_->SetMatchForms(MatchPartOfSpeech, false);
    db_->SetTryDerivedForms(TryDerivedForms, false);
    if (fresh || !RememberPosition) {
        form_->resize(bounds_.size());
        if (ScreenCentered) {
            const QScreen *screen = QGuiApplication::primaryScreen();
            if (screen)
                form_->move(screen->availableGeometry().center() - form_->rect().center());
        } else {
            form_->move(bounds_.topLeft());
        }
    }
    form_->SetOnCopyClick(OnCopyClick);
    form_->SetListDblClickAction(ListDblClickAction);
    form_->SetCopyClickAction(CopyClickAction);
}

bool TCustomWordExplorer::Execute()
{
    const bool fresh = !form_;
    if (fresh)
        form_ = new TWordExplorerForm(*db_, qobject_cast<QWidget *>(parent()));
    struct TFree // frees the window on the way out, also when an error leaves Execute
    {
        TCustomWordExplorer &owner;
        ~TFree()
        {
            if (owner.FreeOnClose && owner.form_) {
                owner.selectedWord_ = owner.form_->SelectedWord();
                delete owner.form_.data();
            }
        }
    } freeWindow{*this};
    Prepare(fresh);
    if (!LookupWord.isEmpty())
        form_->Lookup(LookupWord);
    if (OnExecute)
        OnExecute();
    const bool ok = form_->exec() == QDialog::Accepted;
    if (form_) {
        LookupWord = form_->LookupWord();
        selectedWord_ = form_->SelectedWord();
        if (RememberPosition)
            bounds_ = QRect(form_->pos(), form_->size());
    }
    return ok;
}

void TWordExplorer::SetWinLeft(int left)
{
    bounds_.moveLeft(left);
    ScreenCentered = false;
}

void TWordExplorer::SetWinTop(int top)
{
    bounds_.moveTop(top);
    ScreenCentered = false;
}
