#pragma once

#include <QString>

class QUrl;
class QWebEngineView;
class QWidget;

// The embedded browser of a web dictionary panel. The browser engine lives in a module of its
// own beside the program (tolvane-web.so), loaded when the first web page is shown: loading it
// costs as much memory as the rest of the program, and most runs never show a web tab.
class TWebBrowser
{
public:
    virtual ~TWebBrowser() = default;
    // The browser's window, owned by the parent it was made with.
    virtual QWidget *Widget() = 0;
    virtual QWebEngineView *View() = 0;
    virtual void Load(const QUrl &url) = 0;
    // Shows a page of our own, with base as its address.
    virtual void SetHtml(const QString &html, const QUrl &base) = 0;
};

// What the module exports under WebBrowserEntry: a new browser owned by parent.
using TWebBrowserFactory = TWebBrowser *(*)(QWidget *parent);
inline constexpr const char *WebBrowserModule = "tolvane-web";
inline constexpr const char *WebBrowserEntry = "TolvaneCreateWebBrowser";

// A new browser owned by parent (its widget's parent), the module loaded on first use from the
// program's folder; null, with the reason on stderr once, when the module cannot be loaded.
TWebBrowser *CreateWebBrowser(QWidget *parent);
// Why the module could not be loaded.
QString WebBrowserError();
// Whether the module is loaded in this process.
bool WebBrowserLoaded();
