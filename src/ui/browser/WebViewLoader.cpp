#include "ui/browser/WebViewLoader.h"

#include "ui/browser/WebView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPluginLoader>

// Qt's own setter of the context that every context made afterwards
// shares with; the web engine reads it through the getter.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace Quillwright {

namespace {

QString& error()
{
    static QString e;
    return e;
}

QString pluginFile()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(QUILLWRIGHT_PLUGIN_PATH "/quillwright_browser.so"));
}

void shareOpenGL()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::qt_gl_global_share_context())
        return;
    // Set even when it cannot be made (no OpenGL on this display), as the
    // application would at its start: the engine asks it for its format
    // and then draws without OpenGL.
    auto* context = new QOpenGLContext(qApp);
    context->create();
    ::qt_gl_set_global_share_context(context);
}

WebViewPlugin* plugin()
{
    static WebViewPlugin* loaded = nullptr;
    static bool tried = false;
    if (tried)
        return loaded;
    tried = true;
    shareOpenGL();
    QPluginLoader loader(pluginFile());
    loaded = qobject_cast<WebViewPlugin*>(loader.instance());
    if (!loaded)
        error() = loader.errorString();
    return loaded;
}

} // namespace

namespace WebViewLoader {

bool available()
{
    return QFileInfo::exists(pluginFile());
}

WebView* createView(QWidget* parent)
{
    WebViewPlugin* p = plugin();
    return p ? p->createView(parent) : nullptr;
}

QString lastError()
{
    return error();
}

} // namespace WebViewLoader

} // namespace Quillwright
