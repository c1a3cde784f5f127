# SPDX-License-Identifier: MIT
# The release date, and the one time stamp of a build's artefacts (file times
# in the packages and archives): SOURCE_DATE_EPOCH when the caller sets it,
# else the time of the commit being built, else the release date. Included,
# it sets QUORVEL_RELEASE_DATE (and its RFC 2822 form) and
# QUORVEL_SOURCE_DATE_EPOCH; run with cmake -P, it prints the time stamp, for
# the scripts to export.

# The day this version was released, once, as seconds since 1970 (UTC); the
# dates the package and its metadata show are made from it.
set(QUORVEL_RELEASE_EPOCH 1796601600)

# string(TIMESTAMP) writes the time SOURCE_DATE_EPOCH names.
set(caller_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${QUORVEL_RELEASE_EPOCH})
string(TIMESTAMP QUORVEL_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP QUORVEL_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${caller_epoch}")
if(caller_epoch STREQUAL "")
  unset(ENV{SOURCE_DATE_EPOCH})
endif()
unset(caller_epoch)

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
