# SPDX-License-Identifier: MIT
# The Windows program, quorvel.exe: the Win32 windows, with the icon, the
# manifest and a version resource made from the project's version. Linked
# statically, so that it needs nothing beyond the system's DLLs; stripped in
# optimised builds.
set(QUORVEL_ICON_FILE "${PROJECT_SOURCE_DIR}/packaging/icons/quorvel.ico")
set(QUORVEL_MANIFEST_FILE "${PROJECT_BINARY_DIR}/packaging/quorvel.manifest")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/quorvel.manifest.in"
               "${QUORVEL_MANIFEST_FILE}" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/quorvel.rc.in"
               "${PROJECT_BINARY_DIR}/packaging/quorvel.rc" @ONLY)

add_executable(quorvel WIN32 app/main_win.cpp "${PROJECT_BINARY_DIR}/packaging/quorvel.rc")
target_include_directories(quorvel PRIVATE "${PROJECT_SOURCE_DIR}")
target_link_libraries(quorvel PRIVATE quorvel_ui_win32 quorvel_warnings)
# Terminal-server aware, as the installer and the uninstaller are: a remote
# session then gives it its own settings, not those a legacy program gets.
target_link_options(quorvel PRIVATE -municode -Wl,--tsaware $<$<CONFIG:Release,MinSizeRel>:-s>)
set_source_files_properties("${PROJECT_BINARY_DIR}/packaging/quorvel.rc" PROPERTIES
  OBJECT_DEPENDS "${QUORVEL_ICON_FILE};${QUORVEL_MANIFEST_FILE}")
include(QuorvelWindowsPackaging)
