#include "WebBrowser.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QOpenGLContext>

#include <cstdio>
#include <utility>

// Qt's own: the context every OpenGL context of the application shares its resources with.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

// The browser engine draws through the application's shared OpenGL context, which the engine
// has made at start when the program is linked to it. Loaded later, it finds one made here.
void ShareOpenGLContext()
{
    if (qt_gl_global_share_context())
        return;
    static QOpenGLContext *context = nullptr;
    context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
    qAddPostRoutine([] {
        if (qt_gl_global_share_context() == context)
            qt_gl_set_global_share_context(nullptr);
        delete std::exchange(context, nullptr);
    });
}

QLibrary &Module()
{
    static QLibrary module;
    return module;
}

TWebBrowserFactory Factory()
{
    static TWebBrowserFactory factory = [] {
        ShareOpenGLContext();
        QLibrary &module = Module();
        // Only the module beside the program: no search path may bring in another.
        module.setFileName(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QLatin1String(WebBrowserModule));
        auto entry = reinterpret_cast<TWebBrowserFactory>(module.resolve(WebBrowserEntry));
        if (!entry)
            std::fprintf(stderr, "%s\n", WebBrowserError().toLocal8Bit().constData());
        return entry;
    }();
    return factory;
}

} // namespace

TWebBrowser *CreateWebBrowser(QWidget *parent)
{
    const TWebBrowserFactory factory = Factory();
    return factory ? factory(parent) : nullptr;
}

QString WebBrowserError()
{
    return QCoreApplication::translate("WebBrowser", "Web dictionaries are not available: %1")
        .arg(Module().errorString());
}

bool WebBrowserLoaded()
{
    return Module().isLoaded();
}
