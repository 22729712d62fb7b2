# The one version is the line the program shows, in src/view/program/version.h:
# "Tavolin 0.96pl4 Beta" gives the project 0.96.4 and the package 0.96.4~beta
# (a tag sorts before the release without one, as Debian's "~" does).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../src/view/program/version.h TAVOLIN_VERSION_LINE
     REGEX "kVersionLine")
if(NOT TAVOLIN_VERSION_LINE MATCHES "\"Tavolin ([0-9]+)\\.([0-9]+)pl([0-9]+)( [A-Za-z]+)?\"")
  message(FATAL_ERROR "src/view/program/version.h: no \"Tavolin N.NplN [Tag]\" line")
endif()
set(TAVOLIN_VERSION ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3})
set(TAVOLIN_PACKAGE_VERSION ${TAVOLIN_VERSION})
if(CMAKE_MATCH_4)
  string(STRIP "${CMAKE_MATCH_4}" tag)
  string(TOLOWER "${tag}" tag)
  set(TAVOLIN_PACKAGE_VERSION ${TAVOLIN_VERSION}~${tag})
endif()
