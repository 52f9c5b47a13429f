// Prints the window's colour as CSS writes it, #rrggbb: run at build time for the site's
// manifest (the app's theme and background) and its maskable icon, so that the colour
// stays written once, in the window's definition.

#include "FormDefinition.h"

#include <cstdio>

int main() {
    const form::Rgb colour = form::formColour;
    std::printf("#%02x%02x%02x\n", colour.red, colour.green, colour.blue);
}
