# Writes OUTPUT, the page TEMPLATE with the module's script SCRIPT in place of
# @GEOGRAFIA_SCRIPT@: one file that needs nothing else.
# Run as: cmake -DTEMPLATE=page.html -DSCRIPT=module.js -DOUTPUT=page.html -P Inline.cmake

file(READ "${TEMPLATE}" page)
file(READ "${SCRIPT}" script)
# Inside <script> the text "</script" would end the element early.
string(TOLOWER "${script}" lower)
string(FIND "${lower}" "</script" at)
if(NOT at EQUAL -1)
    message(FATAL_ERROR "${SCRIPT} holds \"</script\", which cannot be inlined")
endif()
string(FIND "${page}" "@GEOGRAFIA_SCRIPT@" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE} has no @GEOGRAFIA_SCRIPT@")
endif()
string(REPLACE "@GEOGRAFIA_SCRIPT@" "${script}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
