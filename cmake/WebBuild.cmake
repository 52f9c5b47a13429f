# Settings of the browser build, compiled with Debian's Emscripten (included by the
# top-level CMakeLists.txt when the Emscripten toolchain is in use).

# The game reports run-time errors as C++ exceptions. Emscripten lets a thrown exception
# abort the program unless catching is compiled in, for every target (GoogleTest's too):
# WebAssembly's own exception handling (Chromium 95, Firefox 100, Safari 15.2, node 17 on).
# Catching through JavaScript instead (-fexceptions) makes the page about 30 KB larger,
# more than its 200 KB allow.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# Link-time optimisation: the page's module is optimised whole, across the libraries.
add_compile_options(-flto)
add_link_options(-flto)

# The optimising link steps run Emscripten's JavaScript tools under node; on Debian
# these find their modules (acorn) in /usr/share/nodejs only through NODE_PATH.
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK
             "${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs")

# Test programs run under plain node. (emcmake's default adds --experimental-wasm-threads,
# which node 20 refuses; the game uses no threads.)
find_program(GEOGRAFIA_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${GEOGRAFIA_NODE})
