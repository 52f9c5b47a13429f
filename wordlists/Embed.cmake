# Writes OUTPUT, a C++ source that holds the bytes of each file of INPUTS exactly,
# after checking that every line is an answer and a clue separated by one tab.
# Run as: cmake -DOUTPUT=... -DINPUTS=a.tsv;b.tsv -P Embed.cmake

set(source "// Generated from the word lists; edit the .tsv files, not this file.\n")
string(APPEND source "#include \"EmbeddedLists.h\"\n\nnamespace wordlists::embedded {\n\n")
set(table "")
set(index 0)
foreach(input IN LISTS INPUTS)
    file(READ "${input}" text)
    # Check the lines. Characters that mean something in a CMake list are masked
    # first: ';' separates, '[' and ']' group, and '\' escapes a following ';', which
    # would join a line ending in a backslash to the next one.
    string(REPLACE "\\" "_" masked "${text}")
    string(REPLACE ";" "_" masked "${masked}")
    string(REPLACE "[" "_" masked "${masked}")
    string(REPLACE "]" "_" masked "${masked}")
    string(REPLACE "\r" "" masked "${masked}")
    string(REPLACE "\n" ";" lines "${masked}")
    set(line_number 0)
    foreach(line IN LISTS lines)
        math(EXPR line_number "${line_number} + 1")
        if(line STREQUAL "")
            continue()
        endif()
        string(REGEX MATCHALL "\t" tabs "${line}")
        list(LENGTH tabs tab_count)
        if(NOT tab_count EQUAL 1)
            message(FATAL_ERROR "${input}:${line_number}: a line must hold an answer, one tab and a clue")
        endif()
    endforeach()

    file(READ "${input}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR byte_count "${hex_length} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
           "\\1\n    " bytes "${bytes}")
    get_filename_component(name "${input}" NAME)
    string(APPEND source "// ${name}\nstatic const unsigned char file${index}[] = {\n    ${bytes}0};\n\n")
    string(APPEND table "    {file${index}, ${byte_count}},\n")
    math(EXPR index "${index} + 1")
endforeach()
string(APPEND source "const std::array<File, ${index}> files{{\n${table}}};\n\n} // namespace wordlists::embedded\n")

# Only touch the output when it changes, so an unchanged list rebuilds nothing.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" previous)
    if(previous STREQUAL source)
        return()
    endif()
endif()
file(WRITE "${OUTPUT}" "${source}")
