# Writes SITE, the folder for a website: the page PAGE, as geografia.html and as the
# folder's index.html, with the manifest link and the service worker's registration of
# web/site/head.html added to its head; the manifest, the service worker and the icons,
# rendered from ICON. The colour of the manifest and of the maskable icon's ground is the
# window's, printed by COLOUR_TOOL from the window's definition. The service worker's
# cache is named by the program's VERSION and by the content of what it keeps.
# Run as: cmake -DPAGE=... -DSITE=... -DSOURCE=web/site -DICON=... -DNODE=node
#               -DCOLOUR_TOOL=form-colour.js -DRSVG_CONVERT=rsvg-convert -DVERSION=1.2.3
#               -P Site.cmake

if(NOT VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "VERSION is \"${VERSION}\", not a version such as 1.2.3")
endif()
execute_process(COMMAND "${NODE}" "${COLOUR_TOOL}" OUTPUT_VARIABLE FORM_COLOUR
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT FORM_COLOUR MATCHES "^#[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]$")
    message(FATAL_ERROR "${COLOUR_TOOL} printed \"${FORM_COLOUR}\", not a colour")
endif()

file(REMOVE_RECURSE "${SITE}")
file(MAKE_DIRECTORY "${SITE}")

# The page's own head ends before its script, which comes in the body.
file(READ "${PAGE}" page)
file(READ "${SOURCE}/head.html" head)
string(FIND "${page}" "</head>" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no </head>")
endif()
string(SUBSTRING "${page}" 0 ${at} before)
string(SUBSTRING "${page}" ${at} -1 after)
set(page "${before}${head}${after}")
file(WRITE "${SITE}/geografia.html" "${page}")
file(WRITE "${SITE}/index.html" "${page}")

configure_file("${SOURCE}/manifest.webmanifest.in" "${SITE}/manifest.webmanifest" @ONLY)

# 192 and 512 pixels; the maskable icon with the drawing inside the circle that every
# mask keeps (80 % of the side), on the window's colour.
foreach(size 192 512)
    execute_process(COMMAND "${RSVG_CONVERT}" -w ${size} -h ${size} -o "${SITE}/icon-${size}.png"
                            "${ICON}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
execute_process(COMMAND "${RSVG_CONVERT}" -w 320 -h 320 --page-width 512 --page-height 512
                        --left 96 --top 96 -b "${FORM_COLOUR}"
                        -o "${SITE}/icon-maskable-512.png" "${ICON}"
                COMMAND_ERROR_IS_FATAL ANY)

# The worker's version: the content of everything it keeps.
file(READ "${SITE}/manifest.webmanifest" manifest)
file(SHA256 "${ICON}" icon_hash)
string(SHA256 version "${page}${manifest}${icon_hash}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
configure_file("${SOURCE}/service-worker.js.in" "${SITE}/service-worker.js" @ONLY)
