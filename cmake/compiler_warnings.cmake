# The warning set of cpp-best-practices' cmake_template, as the interface target pairfinder_warnings.
# PAIRFINDER_WERROR turns every warning into an error; `make test` and CI set it.
add_library(pairfinder_warnings INTERFACE)

set(pairfinder_msvc_warnings
  /W4 /w14242 /w14254 /w14263 /w14265 /w14287 /we4289 /w14296 /w14311 /w14545 /w14546 /w14547 /w14549
  /w14555 /w14619 /w14640 /w14826 /w14905 /w14906 /w14928 /permissive-)
set(pairfinder_clang_warnings
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Wunused -Woverloaded-virtual
  -Wpedantic -Wconversion -Wsign-conversion -Wnull-dereference -Wdouble-promotion -Wformat=2
  -Wimplicit-fallthrough)
set(pairfinder_gcc_warnings ${pairfinder_clang_warnings}
  -Wmisleading-indentation -Wduplicated-cond -Wduplicated-branches -Wlogical-op -Wuseless-cast
  -Wsuggest-override)

if(MSVC)
  target_compile_options(pairfinder_warnings INTERFACE ${pairfinder_msvc_warnings}
    $<$<BOOL:${PAIRFINDER_WERROR}>:/WX>)
elseif(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(pairfinder_warnings INTERFACE ${pairfinder_gcc_warnings}
    $<$<BOOL:${PAIRFINDER_WERROR}>:-Werror>)
else()
  target_compile_options(pairfinder_warnings INTERFACE ${pairfinder_clang_warnings}
    $<$<BOOL:${PAIRFINDER_WERROR}>:-Werror>)
endif()
