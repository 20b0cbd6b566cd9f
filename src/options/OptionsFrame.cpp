#include "OptionsFrame.h"

#include <QCoreApplication>

namespace {
QString InvalidValueMessage(const QString &optionName)
{
    return QCoreApplication::translate("Options", "Invalid value for option '%1'").arg(optionName);
}
} // namespace

EInvalidOptionException::EInvalidOptionException(const QString &optionName, QWidget *edit)
    : std::runtime_error(InvalidValueMessage(optionName).toStdString()),
      message_(InvalidValueMessage(optionName)), edit_(edit)
{}

TOptionsFrame::TOptionsFrame(QWidget *parent) : QFrame(parent) {}
