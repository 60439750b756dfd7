# The version is typed in project() and, because their formats want it there, once more in each of the
# Debian changelog, the manual page and the AppStream metainfo. Each one's latest version must be project()'s:
# a release whose files disagree on what they are fails before anything is built.
# Included by CMakeLists.txt, or run on its own:
#   cmake -DVERSION=1.0.0 -DSOURCE=DIR -P cmake/check_versions.cmake
if(NOT DEFINED VERSION)
  set(VERSION ${PROJECT_VERSION})
  set(SOURCE ${PROJECT_SOURCE_DIR})
endif()

# file, what its latest version looks like (the version in the first group), what it is.
set(versioned
  "packaging/debian/changelog|^\npairfinder \\(([^)]*)\\)|the Debian changelog's latest entry"
  "packaging/debian/pairfinder.6|\n\\.TH [^\n]*\"Pairfinder ([^\"]*)\"|the manual page's heading"
  "app/io.github.pairfinder.Pairfinder.metainfo.xml|<release version=\"([^\"]*)\"|the metainfo's latest release")
set(wrong "")
foreach(entry IN LISTS versioned)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 file)
  list(GET entry 1 pattern)
  list(GET entry 2 what)
  file(READ ${SOURCE}/${file} text)
  # Each file is read after a line end, so that a pattern may start at the first line as at any other.
  string(REGEX MATCH "${pattern}" found "\n${text}")
  if(NOT found)
    string(APPEND wrong "\n  ${file}: ${what} has no version")
  elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    string(APPEND wrong "\n  ${file}: ${what} is ${CMAKE_MATCH_1}")
  endif()
  if(CMAKE_SCRIPT_MODE_FILE STREQUAL "")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SOURCE}/${file})
  endif()
endforeach()
if(wrong)
  message(FATAL_ERROR "The version is ${VERSION} in project(), but:${wrong}")
endif()
