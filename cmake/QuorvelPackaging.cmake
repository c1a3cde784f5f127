# SPDX-License-Identifier: MIT
# Installation and the Debian package. Everything versioned comes from the
# project's version, set once in the top-level CMakeLists.txt.
include(GNUInstallDirs)

# Folders made by the installation have the same permissions whatever the
# umask of whoever builds the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(QUORVEL_APPSTREAM_ID example.quorvel.Quorvel)
set(packaging "${PROJECT_SOURCE_DIR}/packaging")
set(generated "${PROJECT_BINARY_DIR}/packaging")

configure_file("${packaging}/quorvel.metainfo.xml.in" "${generated}/quorvel.metainfo.english.xml" @ONLY)

# The desktop entry and the AppStream metadata with the texts of every
# catalogue beside their English ones.
set(catalogues_script "${PROJECT_SOURCE_DIR}/scripts/translations.py")
file(GLOB catalogues CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/quorvel_*.ts")
add_custom_command(
  OUTPUT "${generated}/quorvel.desktop" "${generated}/${QUORVEL_APPSTREAM_ID}.metainfo.xml"
  COMMAND Python3::Interpreter "${catalogues_script}" desktop "${packaging}/quorvel.desktop"
          "${generated}/quorvel.desktop"
  COMMAND Python3::Interpreter "${catalogues_script}" metainfo "${generated}/quorvel.metainfo.english.xml"
          "${generated}/${QUORVEL_APPSTREAM_ID}.metainfo.xml"
  DEPENDS "${catalogues_script}" ${catalogues} "${packaging}/quorvel.desktop"
          "${generated}/quorvel.metainfo.english.xml"
  VERBATIM)
configure_file("${packaging}/quorvel.1.in" "${generated}/quorvel.1" @ONLY)
configure_file("${packaging}/changelog.in" "${generated}/changelog" @ONLY)

# Debian wants these compressed without a time stamp, so packages built from
# the same sources are the same.
foreach(file quorvel.1 changelog)
  add_custom_command(
    OUTPUT "${generated}/${file}.gz"
    COMMAND gzip -9n -c "${generated}/${file}" > "${generated}/${file}.gz"
    DEPENDS "${generated}/${file}")
endforeach()
add_custom_target(quorvel_docs ALL
  DEPENDS "${generated}/quorvel.1.gz" "${generated}/changelog.gz" "${generated}/quorvel.desktop"
          "${generated}/${QUORVEL_APPSTREAM_ID}.metainfo.xml")

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${generated}/quorvel.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES "${packaging}/icons/quorvel-${size}.png"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quorvel.png)
endforeach()
install(FILES "${packaging}/icons/quorvel.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${generated}/${QUORVEL_APPSTREAM_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${generated}/quorvel.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${packaging}/copyright" "${generated}/changelog.gz"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "The Quorvel developers <developers@quorvel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hyperfocal distance calculator for photographers")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel tells a photographer where to focus so that as much of a scene as\n"
    "possible is sharp. Type the focal length of the lens in millimetres and the\n"
    "aperture as an f-number, and it gives the hyperfocal distance in feet.\n"
    "Focusing at that distance keeps everything from about half of it to\n"
    "infinity acceptably sharp.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorvel.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The face the windows are laid out for; without it a wider one stands in and
# the captions are shrunk to fit their boxes. Qt's own translations, so that
# its message boxes' buttons speak the windows' language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# Qt's Wayland plugin: only a Wayland session without X11, or a user who asks
# for it, needs it; everywhere else the program runs through X11. So it is
# installed with the program by default, and a system without it (a server
# with a virtual display) still installs the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX "${PROJECT_BINARY_DIR}/package")
include(CPack)
