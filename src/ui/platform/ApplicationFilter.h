#pragma once

// One event filter of a kind over the whole application.
#include <QApplication>

namespace Quillwright {

// Puts a `Filter` (constructed with the application as its parent) on the
// application the first time it is called; later calls, and a call before
// there is an application of widgets, do nothing, so that windows and tests
// may each ask for it.
template <class Filter> void installApplicationFilter()
{
    static bool installed = false;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (installed || !app)
        return;
    installed = true;
    app->installEventFilter(new Filter(app));
}

} // namespace Quillwright
