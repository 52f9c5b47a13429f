#include "Application.h"

#include "WindowStyle.h"

#include <QApplication>

// The window's icon lives in a static library, whose resources must be registered.
static void registerResources() {
    Q_INIT_RESOURCE(window);
}

namespace window {

void prepareApplication() {
    registerResources();
    QApplication::setStyle(new WindowStyle);
}

} // namespace window
