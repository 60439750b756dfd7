# The ZIP library that deck files are read and written with, as the target libzip::zip: Debian's package on
# Linux, and for Windows and the page the same version built static from Debian's source by third_party/libzip
# (on the first configure, about half a minute; cached per machine after that).
if(CMAKE_CROSSCOMPILING)
  if(EMSCRIPTEN)
    set(libzip_target web)
  elseif(WIN32)
    set(libzip_target windows)
  else()
    message(FATAL_ERROR "No libzip build for ${CMAKE_SYSTEM_NAME}: third_party/libzip knows windows and web")
  endif()
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/third_party/libzip build ${libzip_target}
    OUTPUT_VARIABLE libzip_prefix OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE libzip_failed)
  if(libzip_failed)
    message(FATAL_ERROR "third_party/libzip build ${libzip_target} failed")
  endif()
  # libzip's CMake files link zlib by this name and leave finding it to whoever links libzip; it lies beside.
  add_library(ZLIB::ZLIB STATIC IMPORTED)
  set_target_properties(ZLIB::ZLIB PROPERTIES IMPORTED_LOCATION ${libzip_prefix}/lib/libz.a)
  # Looked up afresh every time: a changed build script builds into another folder.
  unset(libzip_DIR CACHE)
  find_package(libzip 1.7.3 EXACT CONFIG REQUIRED PATHS ${libzip_prefix} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  set(PAIRFINDER_LIBZIP_PREFIX ${libzip_prefix} CACHE INTERNAL "Where third_party/libzip built the library")
else()
  # Debian's CMake files of libzip also name its command-line tools, which other packages ship, and fail
  # without them; its pkg-config file names the library alone.
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(PAIRFINDER_LIBZIP REQUIRED IMPORTED_TARGET libzip>=1.7.3)
  add_library(libzip::zip ALIAS PkgConfig::PAIRFINDER_LIBZIP)
endif()

# On Linux the program loads the library the first time a deck file is read or written (deck/zip_on_demand.cpp),
# by the name the system's loader knows it by, which the installed library says (its SONAME), and the Debian
# package depends on the package of that name.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT CMAKE_CROSSCOMPILING)
  find_library(PAIRFINDER_LIBZIP_FILE NAMES zip HINTS ${PAIRFINDER_LIBZIP_LIBRARY_DIRS} REQUIRED)
  find_program(PAIRFINDER_OBJDUMP NAMES objdump REQUIRED)
  execute_process(COMMAND ${PAIRFINDER_OBJDUMP} -p ${PAIRFINDER_LIBZIP_FILE} OUTPUT_VARIABLE libzip_headers
    COMMAND_ERROR_IS_FATAL ANY)
  if(NOT libzip_headers MATCHES "SONAME +(libzip\\.so\\.([0-9]+))")
    message(FATAL_ERROR "${PAIRFINDER_LIBZIP_FILE} names no SONAME of libzip")
  endif()
  set(PAIRFINDER_LIBZIP_SONAME ${CMAKE_MATCH_1})
  set(PAIRFINDER_LIBZIP_PACKAGE libzip${CMAKE_MATCH_2})
  # Its header, without the library.
  add_library(pairfinder_libzip_header INTERFACE)
  target_include_directories(pairfinder_libzip_header INTERFACE ${PAIRFINDER_LIBZIP_INCLUDE_DIRS})
  set(PAIRFINDER_ZIP_ON_DEMAND ON)
else()
  set(PAIRFINDER_ZIP_ON_DEMAND OFF)
endif()
