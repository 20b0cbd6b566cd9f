#include "frmGenericOnline.h"

#include "DictionaryList.h"
#include "Settings.h"
#include "UrlTemplate.h"
#include "WebBrowser.h"

#include <QLabel>

TfrmGenericOnline::TfrmGenericOnline(QWidget *owner, int mode) : TDictFrame(owner, mode)
{
    Panel2()->hide();
    TDictionaryList::Instance().WordChanged.Add({mode}, &TfrmGenericOnline::WordChange, this);
}

TfrmGenericOnline::~TfrmGenericOnline()
{
    if (TDictionaryList::Exists())
        TDictionaryList::Instance().WordChanged.Remove(&TfrmGenericOnline::WordChange, this);
}

void TfrmGenericOnline::Register()
{
    RegisterClass(QStringLiteral("TfrmGenericOnline"),
                  [](QWidget *owner, int mode) { return new TfrmGenericOnline(owner, mode); });
}

void TfrmGenericOnline::SetActive(bool active)
{
    active_ = active;
    if (!active_)
        return;
    // A browser is heavy: a tab gets one when it is first shown, not when it is built.
    if (!browser_) {
        browser_ = CreateWebBrowser(this);
        if (!browser_) {
            if (!findChild<QLabel *>())
                SetBody(new QLabel(WebBrowserError(), this));
            return;
        }
        QWidget *view = browser_->Widget();
        view->setObjectName(QStringLiteral("wbOnline"));
        SetBody(view);
        view->show();
    }
    Navigate();
}

QWebEngineView *TfrmGenericOnline::wbOnline() const
{
    return browser_ ? browser_->View() : nullptr;
}

void TfrmGenericOnline::WordChange(QObject *)
{
    Navigate();
}

void TfrmGenericOnline::Navigate()
{
    if (!active_ || !browser_ || !browser_->Widget()->isVisible())
        return;
    if (!TDictSettings::Instance().GetUseNetwork()) {
        if (!showingOff_) {
            // A page of its own, so that not even a failed navigation reaches the network.
            lastUrl_ = QUrl(QStringLiteral("about:blank"));
            browser_->SetHtml(
                QStringLiteral("<html><body><p>%1</p></body></html>")
                    .arg(tr("Online lookups are turned off in Options.").toHtmlEscaped()),
                lastUrl_);
            showingOff_ = true;
        }
        lastWord_.clear(); // navigates once the switch is on again
        return;
    }
    showingOff_ = false;
    const QString word = TDictionaryList::Instance().GetOnlineWord();
    if (word == lastWord_)
        return;
    lastUrl_ = WebDictionaryUrl(template_, word);
    lastWord_ = word;
    browser_->Load(lastUrl_);
}
