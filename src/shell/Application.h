#pragma once

#include <QApplication>
#include <QString>

#include <exception>

// Shows an error that escaped an event handler in a message box and on stderr. While one box is
// up, further errors go to stderr only, so that a failing paint cannot stack boxes without end.
void ReportEventError(const QString &message);

// Runs deliver (the delivery of one event); an exception it throws is reported and the event
// counts as not handled, so the program goes on.
template <class Deliver> bool DeliverGuarded(Deliver &&deliver)
{
    try {
        return deliver();
    } catch (const std::exception &error) {
        ReportEventError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportEventError(QStringLiteral("Unknown error"));
    }
    return false;
}

// The program's application object: no error of an event handler ends the program.
class TApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
