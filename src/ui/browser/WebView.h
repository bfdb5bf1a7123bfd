#pragma once

#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>

class QWidget;

namespace Quillwright {

// A web page view as the browser window uses it. The web engine lives in a
// plugin loaded when the browser first opens, so that a session that never
// browses never pays for the engine and the OpenGL it brings; the
// interface is plain virtual functions, so the plugin needs nothing of the
// widget library.
class WebView {
public:
    virtual ~WebView() = default;
    // The view's widget, owned by the parent it was made for.
    virtual QWidget* widget() = 0;
    virtual void load(const QUrl& url) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void reload() = 0;
    virtual void stop() = 0;
    virtual QString title() const = 0;
    virtual QUrl url() const = 0;
    // Called as a page starts and ends loading.
    virtual void onLoadStarted(std::function<void()> started) = 0;
    virtual void onLoadFinished(std::function<void(bool ok)> finished) = 0;
};

// What the plugin offers: a view made for `parent`, which owns it.
class WebViewPlugin {
public:
    virtual ~WebViewPlugin() = default;
    virtual WebView* createView(QWidget* parent) = 0;
};

#define WebViewPlugin_iid "org.quillwright.WebViewPlugin/1"

} // namespace Quillwright

Q_DECLARE_INTERFACE(Quillwright::WebViewPlugin, WebViewPlugin_iid)
