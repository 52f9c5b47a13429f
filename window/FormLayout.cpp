#include "FormLayout.h"

#include <QFontDatabase>

namespace window {

const std::array<ElementLook, 13> elementLooks{{
    // name         left, top, width, height   background                colour        pt  bold
    // italic
    {"Label1(0)", {120, 0, 3495, 375}, Background::Form, 0, 0, false, false},
    {"stolica(1)", {120, 360, 4935, 525}, Background::SystemWindow, 0, 20.25, false, false},
    {"Label1(3)", {3720, 0, 1335, 375}, Background::Form, 0, 0, false, false},
    {"bukwa(3)", {5160, 0, 3975, 315}, Background::Own, qRgb(192, 192, 255), 12, true, true},
    {"stolica(0)",
     {5160, 360, 3975, 525},
     Background::Own,
     qRgb(255, 192, 128),
     14.25,
     true,
     false},
    {"Buton(1)", {120, 960, 1815, 495}, Background::Own, qRgb(255, 0, 0), 0, false, false},
    {"Label1(1)", {2040, 1080, 1215, 375}, Background::Form, 0, 0, false, false},
    {"bukwa(1)", {3360, 1080, 495, 405}, Background::SystemWindow, 0, 14.25, true, false},
    {"Label1(2)", {4200, 1080, 1695, 375}, Background::Form, 0, 0, false, false},
    {"bukwa(0)", {6000, 960, 735, 645}, Background::SystemWindow, 0, 26.25, false, false},
    {"Buton(0)", {6840, 1080, 2295, 495}, Background::Own, qRgb(255, 192, 128), 0, false, false},
    {"bukwa(2)", {2040, 1560, 3975, 405}, Background::Own, qRgb(255, 128, 0), 15.75, true, false},
    {"bukwa(4)", {120, 2040, 9015, 3165}, Background::Own, qRgb(224, 224, 224), 0, false, false},
}};

QString formFontFamily() {
    // Asking for a family that is not installed sends the font matching through
    // fontconfig's fallback search for every font of the window (some eight million
    // instructions at start-up); naming an installed family finds it at once.
    static const QString family = [] {
        const QString timesNewRoman = QStringLiteral("Times New Roman");
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate :
             {timesNewRoman, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}) {
            if (installed.contains(candidate, Qt::CaseInsensitive)) {
                return candidate;
            }
        }
        return timesNewRoman;
    }();
    return family;
}

} // namespace window
