#pragma once

#include <QString>

class QWidget;

namespace Quillwright {

class WebView;

// Finds the web engine's plugin beside the program and loads it the first
// time a view is asked for. Before it loads, the OpenGL context the engine
// shares with the windows is made: the engine needs it from its start,
// and made at the program's start it would cost every session the OpenGL
// driver.
namespace WebViewLoader {
// Whether the plugin is there to load (it is not loaded to tell).
bool available();
// A view made for `parent`, which owns it; null when the plugin cannot be
// loaded (the reason is in lastError()).
WebView* createView(QWidget* parent);
QString lastError();
} // namespace WebViewLoader

} // namespace Quillwright
