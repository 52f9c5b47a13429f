#include "Application.h"

#include "FieldFrameStyle.h"

#include <QApplication>

// The window's icon lives in a static library, whose resources must be registered.
static void registerResources() {
    Q_INIT_RESOURCE(window);
}

namespace window {

void prepareApplication() {
    registerResources();
    // Fusion draws the coloured button faces and fields the same on every desktop.
    QApplication::setStyle(new FieldFrameStyle);
}

} // namespace window
