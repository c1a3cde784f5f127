# SPDX-License-Identifier: MIT
# cmake -DOBJDUMP=... -DPROGRAM=... -P CheckImports.cmake
# Fails unless PROGRAM imports only DLLs that every Windows system has, so
# that it runs from a folder (or a zip) with nothing beside it, and unless it
# is marked terminal-server aware.
cmake_minimum_required(VERSION 3.25)
set(system_dlls ADVAPI32 GDI32 KERNEL32 MSVCRT OLE32 OLEACC USER32 VERSION)
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
if(NOT dump MATCHES "TERMINAL_SERVICE_AWARE")
  message(FATAL_ERROR "${PROGRAM} is not marked terminal-server aware")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "${PROGRAM} imports nothing: not a program?")
endif()
foreach(import IN LISTS imports)
  string(REGEX REPLACE "DLL Name: (.+)\\.[dD][lL][lL]" "\\1" dll "${import}")
  string(TOUPPER "${dll}" dll)
  message(STATUS "imports ${dll}.dll")
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which is not a system DLL")
  endif()
endforeach()
