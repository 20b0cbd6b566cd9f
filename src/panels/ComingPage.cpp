#include "ComingPage.h"

#include "DictFrame.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>

namespace {
QString ComingText(const QString &className)
{
    if (className == QLatin1String("TfrmVisualThesaurus"))
        return QCoreApplication::translate("TComingPage",
                                           "The Hyperbolic Thesaurus is coming soon.");
    if (className == QLatin1String("TfrmOnline"))
        return QCoreApplication::translate("TComingPage", "The Online Dictionary is coming soon.");
    return QString();
}
} // namespace

QLabel *ShowComingText(QWidget *container, const QString &className)
{
    const QString text = ComingText(className);
    if (text.isEmpty() || TDictFrame::IsRegistered(className) || !container->layout())
        return nullptr;
    auto *label = new QLabel(text, container);
    label->setObjectName(QStringLiteral("lblComing"));
    label->setAlignment(Qt::AlignCenter);
    container->layout()->addWidget(label);
    return label;
}
