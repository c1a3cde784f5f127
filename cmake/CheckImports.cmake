# SPDX-License-Identifier: MIT
# cmake -DOBJDUMP=... -DPROGRAM=... -P CheckImports.cmake
# Fails unless PROGRAM imports only DLLs that every Windows system has, so
# that it runs from a folder (or a zip) with nothing beside it; only functions
# that Windows 7 SP1 has (windows7-imports.txt), so that it starts there; and
# unless it is marked terminal-server aware.
cmake_minimum_required(VERSION 3.25)
set(system_dlls ADVAPI32 GDI32 KERNEL32 MSVCRT OLE32 OLEACC USER32 VERSION)
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/windows7-imports.txt" windows7 REGEX "^[^#]")
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
if(NOT dump MATCHES "TERMINAL_SERVICE_AWARE")
  message(FATAL_ERROR "${PROGRAM} is not marked terminal-server aware")
endif()

# The import tables: a "DLL Name:" line, then a line a function (its hint
# and its name), up to a blank line.
string(REPLACE ";" "\\;" dump "${dump}")
string(REPLACE "\n" ";" lines "${dump}")
set(dll "")
set(dlls "")
set(missing "")
foreach(line IN LISTS lines)
  if(line MATCHES "DLL Name: (.+)\\.[dD][lL][lL]")
    string(TOUPPER "${CMAKE_MATCH_1}" dll)
    list(APPEND dlls "${dll}")
    if(NOT dll IN_LIST system_dlls)
      message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which is not a system DLL")
    endif()
  elseif(line STREQUAL "")
    set(dll "")
  elseif(dll AND line MATCHES "^\t[0-9a-f]+\t +[0-9]+  ([A-Za-z_][A-Za-z0-9_@]*)$")
    if(NOT "${dll}!${CMAKE_MATCH_1}" IN_LIST windows7)
      list(APPEND missing "${dll}!${CMAKE_MATCH_1}")
    endif()
  endif()
endforeach()
if(NOT dlls)
  message(FATAL_ERROR "${PROGRAM} imports nothing: not a program?")
endif()
message(STATUS "imports from ${dlls}")
if(missing)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "${PROGRAM} imports functions that are not known to be in Windows 7 "
                      "(cmake/windows7-imports.txt):\n  ${missing}")
endif()
