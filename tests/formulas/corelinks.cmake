cmake_minimum_required(VERSION 3.25)
# LINKS: every library the formula core links, comma-separated. The core may
# build only on the floors below it (orindo_base, orindo_expr) and on Qt
# without its widgets; the formula view, the user interface library and
# anything above them must not appear.
string(REPLACE "," ";" links "${LINKS}")
if(NOT "orindo_expr" IN_LIST links OR NOT "Qt6::Core" IN_LIST links)
  message(FATAL_ERROR "the link list looks incomplete: ${LINKS}")
endif()
set(allowed orindo_base orindo_expr)
foreach(link ${links})
  if(link MATCHES "^orindo_" AND NOT link IN_LIST allowed)
    message(FATAL_ERROR "the formula core links ${link}, a library of a floor above it")
  endif()
  if(link MATCHES "Widgets|WebEngine|Multimedia|PrintSupport")
    message(FATAL_ERROR "the formula core links ${link}")
  endif()
endforeach()
message(STATUS "the formula core links: ${LINKS}")
