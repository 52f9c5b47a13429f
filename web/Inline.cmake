# Writes OUTPUT, the page TEMPLATE with the module's script SCRIPT in place of
# @GEOGRAFIA_SCRIPT@: one file that needs nothing else. With WINDOW_TOOL (run by NODE),
# the window's HTML that it prints in place of @GEOGRAFIA_HEAD@ and @GEOGRAFIA_WINDOW@, and
# the teachers' lists dialogs in place of @GEOGRAFIA_LISTS@ and the list file chooser's
# types in place of @GEOGRAFIA_LIST_TYPES@.
# With WASM (and NODE), the script's WebAssembly in base64 in place of @GEOGRAFIA_MODULE@.
# With VERSION, the program's version in place of @GEOGRAFIA_VERSION@.
# Run as: cmake -DTEMPLATE=page.html -DSCRIPT=module.js -DOUTPUT=page.html
#               [-DNODE=node -DWINDOW_TOOL=window-html.js -DWASM=module.wasm]
#               [-DVERSION=1.2.3] -P Inline.cmake

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
if(WINDOW_TOOL)
    foreach(part IN ITEMS HEAD WINDOW LISTS LIST_TYPES)
        string(FIND "${page}" "@GEOGRAFIA_${part}@" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${TEMPLATE} has no @GEOGRAFIA_${part}@")
        endif()
    endforeach()
    execute_process(COMMAND "${NODE}" "${WINDOW_TOOL}" head OUTPUT_VARIABLE head
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${NODE}" "${WINDOW_TOOL}" body OUTPUT_VARIABLE window
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${NODE}" "${WINDOW_TOOL}" lists OUTPUT_VARIABLE lists
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${NODE}" "${WINDOW_TOOL}" accept OUTPUT_VARIABLE accept
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "@GEOGRAFIA_HEAD@" "${head}" page "${page}")
    string(STRIP "${accept}" accept)
    string(REPLACE "@GEOGRAFIA_LIST_TYPES@" "${accept}" page "${page}")
    string(REPLACE "@GEOGRAFIA_WINDOW@" "${window}" page "${page}")
    string(REPLACE "@GEOGRAFIA_LISTS@" "${lists}" page "${page}")
endif()
if(WASM)
    string(FIND "${page}" "@GEOGRAFIA_MODULE@" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${TEMPLATE} has no @GEOGRAFIA_MODULE@")
    endif()
    # Base64 holds no "<": it cannot end the element that holds it.
    execute_process(COMMAND "${NODE}" -e
                            "process.stdout.write(require('fs').readFileSync(process.argv[1]).toString('base64'))"
                            "${WASM}"
                    OUTPUT_VARIABLE module COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "@GEOGRAFIA_MODULE@" "${module}" page "${page}")
endif()
if(VERSION)
    string(FIND "${page}" "@GEOGRAFIA_VERSION@" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${TEMPLATE} has no @GEOGRAFIA_VERSION@")
    endif()
    string(REPLACE "@GEOGRAFIA_VERSION@" "${VERSION}" page "${page}")
endif()
# The script last: its text is not searched for the window's marks.
string(REPLACE "@GEOGRAFIA_SCRIPT@" "${script}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
