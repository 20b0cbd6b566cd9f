#include "DictFrame.h"

#include "AppComponents.h"
#include "DictionaryList.h"
#include "FontWalk.h"
#include "Panel.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QVBoxLayout>

namespace {
QHash<QString, TDictFrame::Factory> &Factories()
{
    static QHash<QString, TDictFrame::Factory> factories;
    return factories;
}
} // namespace

TDictFrame::TDictFrame(QWidget *owner, int mode) : QFrame(owner), mode_(mode)
{
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    panel2_ = new TPanel(this, QStringLiteral("Panel2"));
    panel2_->setFixedHeight(CaptionHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    panel2_->setFont(font);
    layout_->addWidget(panel2_);
}

TDictFrame::~TDictFrame() = default;

void TDictFrame::SetCaption(const QString &caption)
{
    panel2_->SetCaption(caption);
}

QString TDictFrame::Caption() const
{
    return panel2_->Caption();
}

TDictFrame *TDictFrame::Create(const QString &className, QWidget *owner, int mode)
{
    const auto it = Factories().constFind(className);
    return it == Factories().constEnd() ? nullptr : (*it)(owner, mode);
}

void TDictFrame::RegisterClass(const QString &className, Factory factory)
{
    Factories().insert(className, std::move(factory));
}

bool TDictFrame::IsRegistered(const QString &className)
{
    return Factories().contains(className);
}

bool TDictFrame::IsLive() const
{
    return TDictionaryList::Instance().GetMode() == mode_;
}

void TDictFrame::ApplyUIFont()
{
    ApplyFontToControls(this, TDictionaryList::Instance().GetUIFont());
}

void TDictFrame::SetBody(QWidget *body)
{
    layout_->addWidget(body, 1);
}

void TDictFrame::UncheckAction(const QString &actionName)
{
    // At program end the actions may already be gone with their owner.
    if (!QCoreApplication::instance() || QCoreApplication::closingDown())
        return;
    if (QAction *action = FindAppAction(actionName))
        action->setChecked(false);
}
