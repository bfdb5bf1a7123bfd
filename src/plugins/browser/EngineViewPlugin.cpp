// The web engine behind the browser window, in a plugin of its own.
#include "ui/browser/WebView.h"

#include <QObject>
#include <QWebEngineView>

namespace Quillwright {

namespace {

class EngineView : public QWebEngineView, public WebView {
public:
    explicit EngineView(QWidget* parent) : QWebEngineView(parent) {}

    QWidget* widget() override { return this; }
    void load(const QUrl& url) override { QWebEngineView::load(url); }
    void back() override { QWebEngineView::back(); }
    void forward() override { QWebEngineView::forward(); }
    void reload() override { QWebEngineView::reload(); }
    void stop() override { QWebEngineView::stop(); }
    QString title() const override { return QWebEngineView::title(); }
    QUrl url() const override { return QWebEngineView::url(); }
    void onLoadStarted(std::function<void()> started) override
    {
        connect(this, &QWebEngineView::loadStarted, this, std::move(started));
    }
    void onLoadFinished(std::function<void(bool)> finished) override
    {
        connect(this, &QWebEngineView::loadFinished, this, std::move(finished));
    }
};

} // namespace

class EngineViewPlugin : public QObject, public WebViewPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebViewPlugin_iid)
    Q_INTERFACES(Quillwright::WebViewPlugin)
public:
    WebView* createView(QWidget* parent) override { return new EngineView(parent); }
};

} // namespace Quillwright

#include "EngineViewPlugin.moc"
