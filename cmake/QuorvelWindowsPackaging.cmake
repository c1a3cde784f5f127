# SPDX-License-Identifier: MIT
# The Windows artefacts of a release, made by the target windows_packages in
# build/<preset>/package/: the installer quorvel-<version>-setup.exe (NSIS,
# packaging/windows/quorvel.nsi) and the portable quorvel-<version>-win64.zip
# (Quorvel\quorvel.exe and Quorvel\LICENSE.txt). The version is the
# project's. The installer speaks the languages of the catalogues. Both
# depend on nothing but their contents: the files they hold
# carry the one time stamp of SourceDateEpoch.cmake and fixed permissions,
# in a fixed order. With QUORVEL_SIGNING_PKCS12 set in the environment when
# configuring, the program, the uninstaller and the installer are signed
# (scripts/sign-windows.sh); without it nothing is signed.
find_program(QUORVEL_MAKENSIS makensis)
find_program(QUORVEL_ZIP zip)
if(NOT QUORVEL_MAKENSIS OR NOT QUORVEL_ZIP)
  message(STATUS "makensis or zip not found: no Windows packages (apt-get install nsis zip)")
  return()
endif()

set(package_dir "${PROJECT_BINARY_DIR}/package")
set(setup "${package_dir}/quorvel-${PROJECT_VERSION}-setup.exe")
set(portable "${package_dir}/quorvel-${PROJECT_VERSION}-win64.zip")
set(icon "${PROJECT_SOURCE_DIR}/packaging/icons/quorvel.ico")
set(script "${PROJECT_SOURCE_DIR}/packaging/windows/quorvel.nsi")
set(staging "${package_dir}/staging")
set(sign_program "")
set(sign_installer "")
if(NOT "$ENV{QUORVEL_SIGNING_PKCS12}" STREQUAL "")
  set(sign_script "${PROJECT_SOURCE_DIR}/scripts/sign-windows.sh")
  set(sign_program COMMAND "${sign_script}" "${staging}/Quorvel/quorvel.exe")
  set(sign_installer "-DSIGN=${sign_script}")
  message(STATUS "The Windows packages are signed with $ENV{QUORVEL_SIGNING_PKCS12}")
endif()

# The licence as Windows users read text: with CRLF line ends.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
set(licence_txt "${PROJECT_BINARY_DIR}/packaging/LICENSE.txt")
file(GENERATE OUTPUT "${licence_txt}" CONTENT "${licence}")

# The two files as they ship: Quorvel/quorvel.exe and Quorvel/LICENSE.txt.
set(stamp "@${QUORVEL_SOURCE_DATE_EPOCH}")
add_custom_command(OUTPUT "${staging}/Quorvel/quorvel.exe" "${staging}/Quorvel/LICENSE.txt"
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${staging}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${staging}/Quorvel"
  COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:quorvel>" "${staging}/Quorvel/quorvel.exe"
  ${sign_program}
  COMMAND ${CMAKE_COMMAND} -E copy "${licence_txt}" "${staging}/Quorvel/LICENSE.txt"
  COMMAND chmod 755 "${staging}/Quorvel" "${staging}/Quorvel/quorvel.exe"
  COMMAND chmod 644 "${staging}/Quorvel/LICENSE.txt"
  COMMAND touch -d "${stamp}" "${staging}/Quorvel/quorvel.exe" "${staging}/Quorvel/LICENSE.txt"
          "${staging}/Quorvel"
  DEPENDS quorvel "${licence_txt}"
  VERBATIM)

# The installer's other languages and their texts, from the catalogues.
set(languages "${PROJECT_BINARY_DIR}/packaging/languages.nsh")
file(GLOB catalogues CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/quorvel_*.ts")
add_custom_command(OUTPUT "${languages}"
  COMMAND Python3::Interpreter "${PROJECT_SOURCE_DIR}/scripts/translations.py" nsis "${languages}"
  DEPENDS "${PROJECT_SOURCE_DIR}/scripts/translations.py" ${catalogues} "${script}"
  VERBATIM)

add_custom_command(OUTPUT "${setup}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${package_dir}"
  COMMAND "${QUORVEL_MAKENSIS}" -V2 -NOCD "-DVERSION=${PROJECT_VERSION}"
          "-DPROGRAM=${staging}/Quorvel/quorvel.exe" "-DLICENSE=${staging}/Quorvel/LICENSE.txt"
          "-DICON=${icon}" "-DOUTFILE=${setup}" "-DLANGUAGES=${languages}" ${sign_installer}
          "${script}"
  DEPENDS "${staging}/Quorvel/quorvel.exe" "${staging}/Quorvel/LICENSE.txt" "${script}" "${icon}"
          "${languages}"
  COMMENT "Making the installer ${setup}"
  VERBATIM)

# zip -X leaves out the owner's user and group numbers; zip writes times as
# local time, so the local time is UTC's.
add_custom_command(OUTPUT "${portable}"
  COMMAND ${CMAKE_COMMAND} -E rm -f "${portable}"
  COMMAND ${CMAKE_COMMAND} -E chdir "${staging}"
          ${CMAKE_COMMAND} -E env TZ=UTC "${QUORVEL_ZIP}" -X -q -9 "${portable}"
          Quorvel/ Quorvel/quorvel.exe Quorvel/LICENSE.txt
  DEPENDS "${staging}/Quorvel/quorvel.exe" "${staging}/Quorvel/LICENSE.txt"
  COMMENT "Making the portable zip ${portable}"
  VERBATIM)

add_custom_target(windows_packages DEPENDS "${setup}" "${portable}")
