# SPDX-License-Identifier: MIT
# quorvel_warnings: an interface target that carries the project's warning set.
add_library(quorvel_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(quorvel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  # Clang's -Wconversion covers sign changes; GCC's does not in C++, so GCC
  # asks for them by name and both compilers hold the code to one standard.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(quorvel_warnings INTERFACE -Wsign-conversion)
  endif()
  if(QUORVEL_WARNINGS_AS_ERRORS)
    target_compile_options(quorvel_warnings INTERFACE -Werror)
  endif()
endif()
