# SPDX-License-Identifier: MIT
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
