# Installation as a desktop application and the Debian package built by CPack.
#   cmake --install <build> --prefix <dir>    lays out bin/ and share/
#   cpack -G DEB --config <build>/CPackConfig.cmake   builds the .deb
include(GNUInstallDirs)

# One application id for the desktop entry, the icon, the metainfo and the
# desktop file name the program sets on itself.
set(DROPLINE_APP_ID "org.example.TavrinDropline")
set(DROPLINE_TITLE "Tavrin Dropline")
set(DROPLINE_RELEASE "1.00")
set(DROPLINE_EXECUTABLE "tavrin-dropline")
set(DROPLINE_DEVELOPER "the Tavrin Dropline developers")
set(DROPLINE_HOMEPAGE "https://tavrin-dropline.example.org")
set(DROPLINE_MAINTAINER "Tavrin Dropline developers <dev@tavrin-dropline.example.org>")

set(_packaging_dir "${PROJECT_SOURCE_DIR}/packaging")
set(_generated_dir "${PROJECT_BINARY_DIR}/packaging")
configure_file("${_packaging_dir}/app.desktop.in"
               "${_generated_dir}/${DROPLINE_APP_ID}.desktop" @ONLY)
configure_file("${_packaging_dir}/app.metainfo.xml.in"
               "${_generated_dir}/${DROPLINE_APP_ID}.metainfo.xml" @ONLY)

# The game brings no shared libraries of its own: no run path to search.
set_target_properties(tavrin-dropline PROPERTIES INSTALL_RPATH "")
install(TARGETS tavrin-dropline RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${_generated_dir}/${DROPLINE_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/assets/books.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${DROPLINE_APP_ID}.svg")
install(FILES "${_generated_dir}/${DROPLINE_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${DROPLINE_EXECUTABLE}"
        RENAME copyright)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${DROPLINE_EXECUTABLE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${DROPLINE_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${DROPLINE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four in a row on a 5 x 5 board")
set(CPACK_PACKAGE_DESCRIPTION
    "A game of four in a row for two people who share one mouse and take turns. \
The player to move clicks a column and a disc of that player's colour drops into \
the lowest empty cell; four discs of one colour in a line win.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DROPLINE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${DROPLINE_HOMEPAGE}")
# Libraries come from dpkg-shlibdeps; these are what the game loads at run time
# without linking to it: the SVG image format and icon engine plugins, the
# sound theme of its event sounds and the font of its artwork.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcanberra is loaded at run time, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libcanberra0, sound-theme-freedesktop, fonts-dejavu-core")
# Sound through PulseAudio, and Wine's Tahoma for the scoreboard (DejaVu stands in without it).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse, fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
