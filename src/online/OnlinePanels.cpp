#include "OnlinePanels.h"

#include "UpdateCheck.h"
#include "frmGenericOnline.h"
#include "frmOnline.h"

#include <QWidget>

void RegisterOnlinePanels()
{
    TfrmOnline::Register();
    TfrmGenericOnline::Register();
}

void StartUpdateCheck(QWidget *window, const QString &host, const QString &downloadPage)
{
    if (!window || window->findChild<TUpdateCheck *>())
        return;
    constexpr quint16 HttpPort = 80;
    (new TUpdateCheck(window, host, HttpPort, downloadPage))->Start();
}
