#pragma once

#include "DictFrame.h"
#include "PageAware.h"

#include <QUrl>

class QWebEngineView;
class TWebBrowser;

// A web dictionary panel: an embedded browser that shows the entry's page for the lookup word.
// It navigates only while its page is the host's current page and visible, and only when the
// word differs from the one it last showed, so returning to the tab does not reload it.
class TfrmGenericOnline : public TDictFrame, public TPageAware, public TUrlTemplatePanel
{
    Q_OBJECT

public:
    TfrmGenericOnline(QWidget *owner, int mode);
    ~TfrmGenericOnline() override;
    static void Register();

    void SetTemplate(const QString &urlTemplate) override { template_ = urlTemplate; }
    void SetActive(bool active) override;
    void Navigate();

    QString Template() const { return template_; }
    QString LastWord() const { return lastWord_; }
    bool Active() const { return active_; }
    // The address of the last navigation, empty before the first.
    QUrl LastUrl() const { return lastUrl_; }
    // Null until the panel's page is first the current one.
    QWebEngineView *wbOnline() const;

private:
    void WordChange(QObject *sender);

    TWebBrowser *browser_ = nullptr; // its widget is owned by the panel
    QString template_;
    QString lastWord_;
    QUrl lastUrl_;
    bool active_ = false;
    bool showingOff_ = false; // the page saying that online lookups are off
};
