# SPDX-License-Identifier: MIT
# With QUORVEL_DEBIAN_HARDENING on (the release and bench presets), the
# program is built as Debian builds its own packages: with the compiler and
# linker flags that the build host's dpkg-buildflags gives for
# hardening=+all. They are read at every configure, since each Debian
# release has its own. They go before the build type's flags, so that the
# optimisation stays the build type's. The -ffile-prefix-map among them maps
# the source folder (where dpkg-buildflags runs) to ".", so that where the
# tree lies does not change what is built.
option(QUORVEL_DEBIAN_HARDENING "Build with the flags of dpkg-buildflags for hardening=+all" OFF)
if(NOT QUORVEL_DEBIAN_HARDENING)
  return()
endif()

find_program(QUORVEL_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT QUORVEL_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "dpkg-buildflags not found (apt-get install dpkg-dev), or configure with "
                      "-DQUORVEL_DEBIAN_HARDENING=OFF for a build without Debian's hardening")
endif()
foreach(name CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            "${QUORVEL_DPKG_BUILDFLAGS}" --get ${name}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    OUTPUT_VARIABLE debian_${name}
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The dpkg-buildflags of Debian 12 predates the stack clash protection and
# the control-flow protection that later releases give on amd64; they are
# added where the host's flags lack them and the compiler takes them.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "QUORVEL_HAS${flag}" takes)
  if(NOT " ${debian_CXXFLAGS} " MATCHES " ${flag}[ =]")
    check_cxx_compiler_flag(${flag} ${takes})
    if(${takes})
      string(APPEND debian_CXXFLAGS " ${flag}")
    endif()
  endif()
endforeach()

# With -fcf-protection every function the compiler makes is ready for
# control-flow enforcement (IBT, SHSTK), but the linker marks a program ready
# only when every object in it is marked, and glibc's start files (Scrt1.o,
# crti.o, crtn.o) are not, in Debian 12 as in 13: the linker is told to mark
# it all the same. Those files never touch a return address, so the shadow
# stack holds; their _init and _fini have no landing pad for an indirect
# branch, which matters only where indirect branches are enforced, and Linux
# does not enforce them in user space.
include(CheckLinkerFlag)
if(debian_CXXFLAGS MATCHES "-fcf-protection")
  check_linker_flag(CXX "-Wl,-z,ibt,-z,shstk" QUORVEL_LINKER_MARKS_CET)
  if(QUORVEL_LINKER_MARKS_CET)
    string(APPEND debian_LDFLAGS " -Wl,-z,ibt -Wl,-z,shstk")
  endif()
endif()

# A level of _FORTIFY_SOURCE that the compiler or earlier flags define gives
# way to Debian's, without a warning that it is defined twice.
if(debian_CPPFLAGS MATCHES "-D_FORTIFY_SOURCE" AND NOT debian_CPPFLAGS MATCHES "-U_FORTIFY_SOURCE")
  string(PREPEND debian_CPPFLAGS "-U_FORTIFY_SOURCE ")
endif()

message(STATUS "Debian's hardening: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
foreach(kind EXE SHARED MODULE)
  string(APPEND CMAKE_${kind}_LINKER_FLAGS " ${debian_LDFLAGS}")
endforeach()
