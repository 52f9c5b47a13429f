#include "ListOutcome.h"

#include "ListFile.h"
#include "PageModule.h"

namespace web {

namespace {

std::u32string shownText;
TextOut shownOut{};

session::TeacherLists::Outcome lastOutcome;
ListOutcome lastListOutcome{};

} // namespace

TextOut textOut(std::u32string_view text) {
    return {text.data(), static_cast<std::int32_t>(text.size())};
}

const TextOut* shown(std::u32string text) {
    shownText = std::move(text);
    shownOut = textOut(shownText);
    return &shownOut;
}

const ListOutcome* told(session::TeacherLists::Outcome outcome) {
    lastOutcome = std::move(outcome);
    WebForm* page = pageForm();
    const game::TextView caption = lastOutcome.category && page != nullptr
                                       ? page->session().menuCaption(*lastOutcome.category)
                                       : game::TextView{};
    const session::TeacherLists::Outcome& o = lastOutcome;
    lastListOutcome = {o.category.value_or(-1), static_cast<std::int32_t>(o.rowsLeftOut),
                       textOut(o.message),      textOut(caption),
                       o.file.data(),           static_cast<std::int32_t>(o.file.size()),
                       textOut(o.fileName),     textOut(o.forget),
                       o.left.value_or(-1)};
    return &lastListOutcome;
}

std::u32string number(std::size_t n) {
    return wordlists::fromUtf8(std::to_string(n));
}

} // namespace web
