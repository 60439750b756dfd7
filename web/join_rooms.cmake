# Joins the page's rooms into one script, in the order given, inside one function of their own, so that they share
# its names and none of them reaches the page's global scope:
#   cmake -DOUTPUT=SCRIPT.js "-DROOMS=first.js;second.js" -P join_rooms.cmake
set(joined "(function () {\n'use strict';\n")
foreach(room IN LISTS ROOMS)
  file(READ "${room}" text)
  string(APPEND joined "\n${text}")
endforeach()
string(APPEND joined "})();\n")
file(WRITE "${OUTPUT}.new" "${joined}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
