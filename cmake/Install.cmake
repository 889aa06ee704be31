# The installed game: the binary in bin/, its data in share/valdro/ (read-only; the player's
# settings and ranking then live in $XDG_DATA_HOME/valdro), a desktop entry, the icon in every
# usual size and AppStream metainfo. `cpack -G DEB` wraps the same files in a Debian package.
include(GNUInstallDirs)

set(VALDRO_APP_ID "io.valdro.Valdro")
set(VALDRO_INSTALL_DATA_DIR "${CMAKE_INSTALL_DATADIR}/valdro")

# The installed binary finds its data along this path from its own folder, whatever the prefix.
file(RELATIVE_PATH VALDRO_DATA_FROM_BINARY "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${VALDRO_INSTALL_DATA_DIR}")
set_property(SOURCE "${CMAKE_SOURCE_DIR}/src/save/DataFolders.cpp" APPEND PROPERTY
             COMPILE_DEFINITIONS "VALDRO_DATA_FROM_BINARY=\"${VALDRO_DATA_FROM_BINARY}\"")

install(TARGETS valdro RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The shipped defaults, never the run folder's own settings and ranking.
install(DIRECTORY "${CMAKE_SOURCE_DIR}/data/datus" DESTINATION "${VALDRO_INSTALL_DATA_DIR}")
# Generated art, sound, music and font. A run folder may link these folders from another
# build; the installed game gets the files themselves, so the link is followed at install time.
foreach(folder img music fonts)
  install(CODE "
    file(REAL_PATH \"${VALDRO_RUN_DIR}/${folder}\" valdro_source)
    file(INSTALL \"\${valdro_source}/\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${VALDRO_INSTALL_DATA_DIR}/${folder}\")")
endforeach()

install(FILES "${CMAKE_SOURCE_DIR}/dist/${VALDRO_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/dist/${VALDRO_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# The art generator draws the icon into the run folder's icons/.
foreach(size 16 32 48 64 128 256)
  install(FILES "${VALDRO_RUN_DIR}/icons/valdro_${size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
          RENAME "${VALDRO_APP_ID}.png")
endforeach()

set(CPACK_PACKAGE_NAME "valdro")
set(CPACK_PACKAGE_VENDOR "The Valdro studio")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "2D side-view action game in a rotten hotel")
set(CPACK_PACKAGE_DESCRIPTION
    "Walk, jump, duck, dash and shoot your way through the rotten Grand Hotel Valdro, its \
shops and dialogue rooms and three sins waiting as bosses, then play on in the endless mode.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Valdro studio <valdro@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The shared libraries the binary links (SDL2 and its companions, libstdc++, libc) become the
# package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
