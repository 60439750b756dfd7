# The browser build: the rules, the store and the page's bindings compiled to WebAssembly with Debian's
# emscripten. The store's errors are exceptions, so they are compiled in everywhere (without them a throw
# aborts), as WebAssembly's own exceptions: smaller than emscripten's JavaScript ones, and every browser the page's
# style already needs (Chrome 95, Firefox 100, Safari 15.2 and later) and Node run them. The tests run under Node,
# whose fetch emscripten 3.1.6 would take for a browser's.
add_compile_options(-fwasm-exceptions)
# Memory grows as a program needs it: the store's tests read files of megabytes.
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)
# Built for its size, the page is optimised whole when it is linked, its libraries with emscripten's own: what no
# module of the page calls is left out of it, which takes a tenth off the game's module (docs/performance.md).
add_compile_options($<$<CONFIG:MinSizeRel>:-flto>)
add_link_options($<$<CONFIG:MinSizeRel>:-flto>)
find_program(PAIRFINDER_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${PAIRFINDER_NODE};--no-experimental-fetch" CACHE STRING
  "How the tests' JavaScript runs" FORCE)
# GoogleTest is built from Debian's source, without threads, which the page has none of.
set(PAIRFINDER_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the browser build")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
# emscripten runs its JavaScript optimiser with the node on the PATH, which must find Debian's own modules (a
# node of another packaging does not look there by itself).
if(EXISTS /usr/share/nodejs)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env --modify NODE_PATH=path_list_append:/usr/share/nodejs)
endif()
