#include "Application.h"

#include "FormLayout.h"

#include <QApplication>
#include <QFont>

// The window's icon lives in a static library, whose resources must be registered.
static void registerResources() {
    Q_INIT_RESOURCE(window);
}

namespace window {

void prepareApplication() {
    registerResources();
    // Fusion draws the coloured button faces and fields the same on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Liberation Serif has the metrics of Times New Roman, so the texts fit their boxes.
    QFont::insertSubstitutions(
        formFontFamily, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

} // namespace window
