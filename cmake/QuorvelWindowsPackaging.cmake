# SPDX-License-Identifier: MIT
# The Windows artefacts of a release, made by the target windows_packages in
# build/<preset>/package/: the installer quorvel-<version>-setup.exe (NSIS,
# packaging/windows/quorvel.nsi) and the portable quorvel-<version>-win64.zip
# (Quorvel\quorvel.exe and Quorvel\LICENSE.txt). The version is the
# project's.
find_program(QUORVEL_MAKENSIS makensis)
if(NOT QUORVEL_MAKENSIS)
  message(STATUS "makensis not found: no Windows installer (apt-get install nsis)")
  return()
endif()

set(package_dir "${PROJECT_BINARY_DIR}/package")
set(setup "${package_dir}/quorvel-${PROJECT_VERSION}-setup.exe")
set(portable "${package_dir}/quorvel-${PROJECT_VERSION}-win64.zip")
set(icon "${PROJECT_SOURCE_DIR}/packaging/icons/quorvel.ico")
set(script "${PROJECT_SOURCE_DIR}/packaging/windows/quorvel.nsi")

# The licence as Windows users read text: with CRLF line ends.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
set(licence_txt "${PROJECT_BINARY_DIR}/packaging/LICENSE.txt")
file(GENERATE OUTPUT "${licence_txt}" CONTENT "${licence}")

add_custom_command(OUTPUT "${setup}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${package_dir}"
  COMMAND "${QUORVEL_MAKENSIS}" -V2 -NOCD "-DVERSION=${PROJECT_VERSION}"
          "-DPROGRAM=$<TARGET_FILE:quorvel>" "-DLICENSE=${licence_txt}" "-DICON=${icon}"
          "-DOUTFILE=${setup}" "${script}"
  DEPENDS quorvel "${script}" "${licence_txt}" "${icon}"
  COMMENT "Making the installer ${setup}"
  VERBATIM)

set(staging "${package_dir}/portable")
add_custom_command(OUTPUT "${portable}"
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${staging}" "${portable}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${staging}/Quorvel"
  COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:quorvel>" "${staging}/Quorvel/quorvel.exe"
  COMMAND ${CMAKE_COMMAND} -E copy "${licence_txt}" "${staging}/Quorvel/LICENSE.txt"
  COMMAND ${CMAKE_COMMAND} -E chdir "${staging}"
          ${CMAKE_COMMAND} -E tar cf "${portable}" --format=zip
          Quorvel/quorvel.exe Quorvel/LICENSE.txt
  DEPENDS quorvel "${licence_txt}"
  COMMENT "Making the portable zip ${portable}"
  VERBATIM)

add_custom_target(windows_packages DEPENDS "${setup}" "${portable}")
