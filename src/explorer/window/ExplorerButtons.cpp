#include "ExplorerButtons.h"

#include <QMouseEvent>
#include <QVBoxLayout>

void TPosButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        click();
        event->accept();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void TPosButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

namespace {

template <class T> T *Button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new T(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(24);
    return button;
}

} // namespace

TExplorerButtons::TExplorerButtons(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RightPanel"));
    setFixedWidth(82);
    setMinimumHeight(180);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    PreviousBut = Button<QToolButton>(QStringLiteral("PreviousBut"), tr("&Previous"), this);
    PreviousBut->setEnabled(false);
    layout->addWidget(PreviousBut);
    layout->addSpacing(8);
    const QString names[4] = {QStringLiteral("NounButton"), QStringLiteral("VerbButton"),
                              QStringLiteral("AdjButton"), QStringLiteral("AdvButton")};
    const QString captions[4] = {tr("&Nouns"), tr("&Verbs"), tr("&Adjectives"), tr("Adver&bs")};
    for (int pos = 0; pos < 4; ++pos) {
        TPosButton *button = Button<TPosButton>(names[pos], captions[pos], this);
        button->setCheckable(true);
        button->setEnabled(false);
        button->setProperty("Tag", pos);
        connect(button, &QToolButton::clicked, this,
                [this, pos](bool down) { emit PartOfSpeechToggled(pos, down); });
        PosButtons[std::size_t(pos)] = button;
        layout->addWidget(button);
    }
    layout->addStretch(1);
    CopyButton = Button<QToolButton>(QStringLiteral("CopyButton"), tr("&Copy"), this);
    CloseButton = Button<QToolButton>(QStringLiteral("CloseButton"), tr("Close"), this);
    layout->addWidget(CopyButton);
    layout->addWidget(CloseButton);
}

void TExplorerButtons::ResetPartsOfSpeech(unsigned mask)
{
    for (int pos = 0; pos < 4; ++pos) {
        PosButtons[std::size_t(pos)]->setEnabled(mask & (1u << pos));
        PosButtons[std::size_t(pos)]->setChecked(false);
    }
}

void TExplorerButtons::SetPartOfSpeechDown(int pos)
{
    for (int p = 0; p < 4; ++p)
        PosButtons[std::size_t(p)]->setChecked(p == pos);
}
