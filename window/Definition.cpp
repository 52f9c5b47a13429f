#include "Definition.h"

#include <QFontDatabase>

namespace window {

QString formFontFamily() {
    // Asking for a family that is not installed sends the font matching through
    // fontconfig's fallback search for every font of the window (some eight million
    // instructions at start-up); naming an installed family finds it at once.
    static const QString family = [] {
        const auto toQString = [](std::string_view name) {
            return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        };
        const QStringList installed = QFontDatabase::families();
        for (std::string_view name : form::fontFamilies) {
            if (installed.contains(toQString(name), Qt::CaseInsensitive)) {
                return toQString(name);
            }
        }
        return toQString(form::genericFontFamily);
    }();
    return family;
}

} // namespace window
