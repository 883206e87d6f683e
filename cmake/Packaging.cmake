# Installation as a desktop application and the Debian package built by CPack.
#   cmake --install <build> --prefix <dir>    lays out games/ and share/
#   cpack -G DEB --config <build>/CPackConfig.cmake   builds the .deb
# The name, id, maker and version come from the top-level CMakeLists.txt.
include(GNUInstallDirs)

set(DROPLINE_PACKAGE "tavrin-dropline")
set(DROPLINE_HOMEPAGE "https://tavrin-dropline.example.org")
set(DROPLINE_MAINTAINER "${DROPLINE_MAKER} <dev@tavrin-dropline.example.org>")
# Debian puts games under /usr/games; the desktop entry names the program there.
set(DROPLINE_INSTALL_PREFIX "/usr")
set(DROPLINE_GAMES_DIR "games")
set(DROPLINE_GAME_PATH "${DROPLINE_INSTALL_PREFIX}/${DROPLINE_GAMES_DIR}/${DROPLINE_PACKAGE}")
# The release, dated once for the metainfo, the manual page and the changelog.
set(DROPLINE_RELEASE_DATE "2026-12-08")
execute_process(COMMAND date -u -R -d "${DROPLINE_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE DROPLINE_RELEASE_TIMESTAMP
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

set(_packaging_dir "${PROJECT_SOURCE_DIR}/packaging")
set(_generated_dir "${PROJECT_BINARY_DIR}/packaging")
# What scripts/check-package needs to know of the package.
string(REPLACE ";" " " DROPLINE_LANGUAGE_LIST "${DROPLINE_LANGUAGES}")
configure_file("${_packaging_dir}/package.sh.in" "${_generated_dir}/package.sh" @ONLY)

# The desktop entry, the metainfo and the translated manual pages, made at
# build time from the templates and the languages' .ts files
# (cmake/TranslatePackaging.cmake), then filled in with these variables.
set(_variables "")
foreach(_name IN ITEMS DROPLINE_NAME DROPLINE_APP_ID DROPLINE_MAKER DROPLINE_PACKAGE
                       DROPLINE_HOMEPAGE DROPLINE_GAME_PATH DROPLINE_SHOWN_VERSION
                       DROPLINE_RELEASE_DATE PROJECT_VERSION)
    string(APPEND _variables "set(${_name} [==[${${_name}}]==])\n")
endforeach()
file(WRITE "${_generated_dir}/variables.cmake" "${_variables}")
set(_translated_dir "${_generated_dir}/translated")
set(_translated_files "${_translated_dir}/${DROPLINE_APP_ID}.desktop"
                      "${_translated_dir}/${DROPLINE_APP_ID}.metainfo.xml")
foreach(_language IN LISTS DROPLINE_LANGUAGES)
    list(APPEND _translated_files "${_translated_dir}/man/${_language}/${DROPLINE_PACKAGE}.6.gz")
endforeach()
get_target_property(_lconvert Qt6::lconvert IMPORTED_LOCATION)
string(REPLACE ";" "," _languages "${DROPLINE_LANGUAGES}")
add_custom_command(OUTPUT ${_translated_files}
    COMMAND "${CMAKE_COMMAND}" "-DVARIABLES=${_generated_dir}/variables.cmake"
            "-DTEMPLATES=${_packaging_dir}" "-DTS_DIR=${PROJECT_SOURCE_DIR}/translations"
            "-DLANGUAGES=${_languages}" "-DLCONVERT=${_lconvert}" "-DOUTPUT=${_translated_dir}"
            -P "${PROJECT_SOURCE_DIR}/cmake/TranslatePackaging.cmake"
    DEPENDS "${PROJECT_SOURCE_DIR}/cmake/TranslatePackaging.cmake"
            "${_generated_dir}/variables.cmake" ${DROPLINE_TS_FILES}
            "${_packaging_dir}/app.desktop.in" "${_packaging_dir}/app.metainfo.xml.in"
            "${_packaging_dir}/manual.6.in"
    VERBATIM)
add_custom_target(dropline_translated_packaging ALL DEPENDS ${_translated_files})

# The manual page and the changelog, compressed as Debian wants them.
set(_manual "${_generated_dir}/${DROPLINE_PACKAGE}.6")
set(_changelog "${_generated_dir}/changelog")
configure_file("${_packaging_dir}/manual.6.in" "${_manual}" @ONLY)
configure_file("${_packaging_dir}/changelog.in" "${_changelog}" @ONLY)
foreach(_file IN ITEMS "${_manual}" "${_changelog}")
    add_custom_command(OUTPUT "${_file}.gz"
                       COMMAND gzip -9 -n -k -f "${_file}"
                       DEPENDS "${_file}"
                       VERBATIM)
endforeach()
add_custom_target(dropline_package_docs ALL DEPENDS "${_manual}.gz" "${_changelog}.gz")

# The game brings no shared libraries of its own: no run path to search.
set_target_properties(tavrin-dropline PROPERTIES INSTALL_RPATH "")
install(TARGETS tavrin-dropline RUNTIME DESTINATION "${DROPLINE_GAMES_DIR}")
# A stripped install also drops the compiler's notes, as Debian's dh_strip does.
install(CODE "set(_dropline_objcopy \"${CMAKE_OBJCOPY}\")
set(_dropline_game \"${DROPLINE_GAMES_DIR}/${DROPLINE_PACKAGE}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND "${_dropline_objcopy}" --remove-section=.comment --remove-section=.note
                                "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${_dropline_game}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
]])
install(FILES "${_translated_dir}/${DROPLINE_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PROJECT_SOURCE_DIR}/assets/books.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${DROPLINE_APP_ID}.svg")
install(FILES "${_translated_dir}/${DROPLINE_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${_manual}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
foreach(_language IN LISTS DROPLINE_LANGUAGES)
    install(FILES "${_translated_dir}/man/${_language}/${DROPLINE_PACKAGE}.6.gz"
            DESTINATION "${CMAKE_INSTALL_MANDIR}/${_language}/man6")
endforeach()
install(FILES "${_changelog}.gz" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${DROPLINE_PACKAGE}")
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${DROPLINE_PACKAGE}"
        RENAME copyright)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${DROPLINE_PACKAGE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${DROPLINE_MAKER}")
set(CPACK_PACKAGE_CONTACT "${DROPLINE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four in a row on a 5 x 5 board")
# Debian shows the description as written: lines of at most 79 characters.
set(CPACK_PACKAGE_DESCRIPTION "\
A game of four in a row for two people who share one mouse and take turns.
The player to move clicks a column, and a disc of that player's colour drops
into the lowest empty cell. Four discs of one colour in a row, a column or a
diagonal win; a game that runs past 25 clicks without a winner is a draw.
The scoreboard keeps both players' names, their discs in the current game
and the games each has won.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "${DROPLINE_INSTALL_PREFIX}")
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
# Qt's own translations give the dialogs' buttons the game's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, libcanberra0, sound-theme-freedesktop, fonts-dejavu-core, qt6-translations-l10n")
# Sound through PulseAudio, Wine's Tahoma for the scoreboard (DejaVu stands in
# without it), Qt's Wayland platform plugin for a Wayland desktop (XWayland
# stands in without it), and the Chinese and Japanese glyphs, which DejaVu
# lacks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libcanberra-pulse, fonts-wine, qt6-wayland, fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
