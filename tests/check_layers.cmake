# Fails when a source file reaches across the floors: each folder may include
# its own headers and those of the folders below it, and window headers
# (Qt Widgets) stay in app/ and ui/.
#   cmake -DSOURCE_DIR=... -DWIDGETS_DIR=<QtWidgets include dir> -P check_layers.cmake

cmake_policy(VERSION 3.21)

set(allowed_app     app ui catalogue results history cipher engine wheels base)
set(allowed_ui      ui base)
set(allowed_catalogue catalogue base)
set(allowed_results results base)
# The draws and prize rules live in the catalogue's database, opened as it is.
set(allowed_history history catalogue base)
set(allowed_cipher  cipher base)
set(allowed_engine  engine base)
set(allowed_wheels  wheels base)
set(allowed_base    base)
set(no_qt engine wheels cipher base)
set(no_widgets catalogue results history engine wheels cipher base)

file(GLOB widget_headers RELATIVE "${WIDGETS_DIR}" "${WIDGETS_DIR}/Q*")
set(problems "")
foreach(floor app ui catalogue results history cipher engine wheels base)
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${floor}/*.h" "${SOURCE_DIR}/${floor}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include ")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"([a-z_]+)/")
        if(NOT CMAKE_MATCH_1 IN_LIST allowed_${floor})
          string(APPEND problems "${source}: ${line}\n")
        endif()
      elseif(line MATCHES "^#include <(Q[A-Za-z]*)>")
        set(header "${CMAKE_MATCH_1}")
        # The GBK codec is the one place below the windows that may use Qt.
        if(floor IN_LIST no_qt AND NOT source STREQUAL "base/gbk.cpp")
          string(APPEND problems "${source}: ${line}\n")
        elseif(floor IN_LIST no_widgets AND header IN_LIST widget_headers)
          string(APPEND problems "${source}: ${line}\n")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "Includes that cross the floors:\n${problems}")
endif()
