# Writes the page's service worker into the installed folder: web/offline.js with the addresses of every file the
# folder holds and the name they are kept under, made from their names and content, so that the files of a new
# release are kept apart from the old ones and take their place all at once; then the compressed copies of the
# files the page fetches, the worker's among them (compressed_copies.py), which only a host reads, so the worker
# keeps none.
# The folder's last install step runs it; a test runs it alone on a folder it changed:
#   cmake -DCMAKE_INSTALL_PREFIX=FOLDER -P offline.cmake
get_filename_component(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${folder}" "${folder}/*")
list(REMOVE_ITEM files offline.js)
list(FILTER files EXCLUDE REGEX "\\.(gz|br)$")
# In the order of the names' bytes, whatever the machine: the same folder gives the same worker.
list(SORT files COMPARE STRING)
# The folder itself is its index.html, as a server hands it out for the folder's address.
set(addresses "    './'")
set(content "")
foreach(file IN LISTS files)
  file(SHA256 "${folder}/${file}" sum)
  string(APPEND content "${file} ${sum}\n")
  string(APPEND addresses ",\n    '${file}'")
endforeach()
string(SHA256 release "${content}")
string(SUBSTRING "${release}" 0 16 release)

file(READ "${CMAKE_CURRENT_LIST_DIR}/offline.js" worker)
foreach(line "const KEPT = 'pairfinder-unbuilt';" "const FILES = [];")
  string(FIND "${worker}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "offline.cmake: offline.js no longer has the line ${line}")
  endif()
endforeach()
string(REPLACE "const KEPT = 'pairfinder-unbuilt';" "const KEPT = 'pairfinder-${release}';" worker "${worker}")
string(REPLACE "const FILES = [];" "const FILES = [\n${addresses}\n];" worker "${worker}")
file(WRITE "${folder}/offline.js" "${worker}")
list(LENGTH files kept)
message(STATUS "Written: ${folder}/offline.js, which keeps the folder's ${kept} files")

execute_process(COMMAND /usr/bin/python3 "${CMAKE_CURRENT_LIST_DIR}/compressed_copies.py" "${folder}"
  COMMAND_ERROR_IS_FATAL ANY)
