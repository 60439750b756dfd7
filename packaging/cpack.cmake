# The packages a player downloads, built by cpack from the install rules: on Windows a zip of the program, its
# licence, readme and third-party notices (packaging/windows makes the installer beside it); for the browser a
# zip of the page's folder with its licence and third-party notices; elsewhere the Debian package that
# `make package` builds.
# Who makes Pairfinder, as the packages and the Windows installer name them.
set(PAIRFINDER_VENDOR "The Pairfinder developers")
set(CPACK_PACKAGE_NAME pairfinder)
set(CPACK_PACKAGE_VENDOR ${PAIRFINDER_VENDOR})
set(CPACK_PACKAGE_CONTACT "${PAIRFINDER_VENDOR} <pairfinder@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pairs card game: find the pairs among 64 face-down cards")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)

if(WIN32)
  # The program is stripped when it is linked; stripped again, it would no longer be the file that was built.
  set(CPACK_GENERATOR ZIP)
  # The zip's and the installer's name; CPack's own variable holds the source package's after include(CPack).
  set(PAIRFINDER_PACKAGE_NAME pairfinder-${PROJECT_VERSION}-windows-x64)
  set(CPACK_PACKAGE_FILE_NAME ${PAIRFINDER_PACKAGE_NAME})
  include(CPack)
  return()
endif()

if(EMSCRIPTEN)
  # The page's folder, as it plays opened from disk or served.
  set(CPACK_GENERATOR ZIP)
  set(PAIRFINDER_PACKAGE_NAME pairfinder-${PROJECT_VERSION}-web)
  set(CPACK_PACKAGE_FILE_NAME ${PAIRFINDER_PACKAGE_NAME})
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The first line of the Description comes from the summary above; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A single-player pairs (memory) game. 64 cards lie face down in
an eight by eight grid; turn two at a time, and a matching pair leaves
the board. The window counts the attempts and keeps the three best
results. Four face sets and four card backs to choose from. The texts
of the window are German.")
# The libraries come from the program itself; Qt's platform plugins, the fonts and the ZIP library (loaded when a
# deck file is first read or written) are loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
if(PAIRFINDER_ZIP_ON_DEMAND)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${PAIRFINDER_LIBZIP_PACKAGE}")
endif()
# Photos in WebP (and the other formats beyond Qt's own JPEG, PNG, GIF and BMP) for an own deck are read through
# Debian's image format plugins, which the game does without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# Files and folders root-owned with the usual permissions, whoever builds it.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
