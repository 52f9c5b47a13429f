// Prints the window's HTML for the page (WindowMarkup.h), run under node when the page is
// built: "head" for its head, "body" for its #window, "lists" for the teachers' lists dialogs,
// "accept" for the list file chooser.

#include "ListsMarkup.h"
#include "WindowMarkup.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "head") == 0) {
        std::fputs(web::windowHead().c_str(), stdout); // ends with a line break
    } else if (argc == 2 && std::strcmp(argv[1], "body") == 0) {
        // Under node the module's output is written a line at a time: puts ends the last.
        std::puts(web::windowBody().c_str());
    } else if (argc == 2 && std::strcmp(argv[1], "lists") == 0) {
        std::puts(web::listsDialogsHtml().c_str());
    } else if (argc == 2 && std::strcmp(argv[1], "accept") == 0) {
        std::puts(web::listFileAccept().c_str());
    } else {
        std::fputs("usage: window-html head|body|lists|accept\n", stderr);
        return 2;
    }
    return 0;
}
