# SPDX-License-Identifier: MIT
# The one time stamp of a build's artefacts (file times in the packages and
# archives): SOURCE_DATE_EPOCH when the caller sets it, else the time of the
# commit being built, else the release date. Included, it sets
# QUORVEL_SOURCE_DATE_EPOCH; run with cmake -P, it prints it, for the scripts
# to export.
include("${CMAKE_CURRENT_LIST_DIR}/QuorvelRelease.cmake")
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  set(QUORVEL_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY "${CMAKE_CURRENT_LIST_DIR}/.."
                  OUTPUT_VARIABLE QUORVEL_SOURCE_DATE_EPOCH
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE no_commit)
  if(no_commit OR QUORVEL_SOURCE_DATE_EPOCH STREQUAL "")
    set(QUORVEL_SOURCE_DATE_EPOCH ${QUORVEL_RELEASE_EPOCH})
  endif()
endif()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${QUORVEL_SOURCE_DATE_EPOCH}")
endif()
