# Builds Orvanta for the browser with Debian's emscripten: the conversion
# core and the web adapter as one WebAssembly module, run by a page in
# build-web/site/. Tests of the module run under node.
#
#   NODE_PATH=/usr/share/nodejs cmake -S . -B build-web -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake
#
# scripts/build-web does this with the project's usual options. em++ runs an
# optimizer under node that needs Debian's acorn, hence NODE_PATH.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The 3.1.6 loader fetches its .wasm with fetch() under node 18 and later,
# which fails on a file path; without fetch it reads the file.
find_program(ORVANTA_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${ORVANTA_NODE};--no-experimental-fetch" CACHE STRING "" FORCE)
