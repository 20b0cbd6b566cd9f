// The module tolvane-web: the browser engine, loaded only when a web dictionary is first shown.
#include "WebBrowser.h"

#include <QUrl>
#include <QWebEngineView>

#include <type_traits>

namespace {

class TWebEngineBrowser : public QWebEngineView, public TWebBrowser
{
public:
    explicit TWebEngineBrowser(QWidget *parent) : QWebEngineView(parent) {}

    QWidget *Widget() override { return this; }
    QWebEngineView *View() override { return this; }
    void Load(const QUrl &url) override { load(url); }
    void SetHtml(const QString &html, const QUrl &base) override { setHtml(html, base); }
};

} // namespace

extern "C" Q_DECL_EXPORT TWebBrowser *TolvaneCreateWebBrowser(QWidget *parent)
{
    return new TWebEngineBrowser(parent);
}

static_assert(std::is_same_v<decltype(&TolvaneCreateWebBrowser), TWebBrowserFactory>);
