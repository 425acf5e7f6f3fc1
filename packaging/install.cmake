# Installing Velmora and making a Debian package of it (scripts/package).
include(GNUInstallDirs)

set(VELMORA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/velmora)

install(TARGETS velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velmora)
    install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES packaging/velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/velmora-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME velmora.xml)
    install(FILES ${VELMORA_ICON_DIR}/velmora.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size IN LISTS VELMORA_ICON_SIZES)
        install(FILES ${VELMORA_ICON_DIR}/velmora-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME velmora.png)
    endforeach()
endif()

# The pictures a shop drops in to replace the drawn ones; installed only when there are any.
file(GLOB shipped_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/pictures/*)
if(shipped_pictures)
    install(FILES ${shipped_pictures} DESTINATION ${VELMORA_SHARE_DIR}/pictures)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/examples/gm-dirt-oval.kqw
              ${PROJECT_SOURCE_DIR}/examples/ford-asphalt-oval.kqw
              ${PROJECT_SOURCE_DIR}/examples/formula-road-course.kqw
              ${PROJECT_SOURCE_DIR}/examples/README.md
        DESTINATION ${VELMORA_SHARE_DIR}/examples)
install(FILES ${PROJECT_SOURCE_DIR}/examples/with-vehicle-data/gm-dirt-oval.kqw
              ${PROJECT_SOURCE_DIR}/examples/with-vehicle-data/ford-asphalt-oval.kqw
              ${PROJECT_SOURCE_DIR}/examples/with-vehicle-data/formula-road-course.kqw
              ${PROJECT_SOURCE_DIR}/examples/with-vehicle-data/gm-dirt-oval-springs.kqw
        DESTINATION ${VELMORA_SHARE_DIR}/examples/with-vehicle-data)

# Manual pages are installed compressed, as Debian keeps them.
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
    set(man_page ${CMAKE_BINARY_DIR}/man/velmora-cli.1.gz)
    add_custom_command(OUTPUT ${man_page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/docs/velmora-cli.1 > ${man_page}
        DEPENDS ${PROJECT_SOURCE_DIR}/docs/velmora-cli.1)
    add_custom_target(velmora-man ALL DEPENDS ${man_page})
    install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    install(FILES docs/velmora-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora developers <developers@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front suspension geometry for racers and chassis builders")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora analyses the geometry of a double-A-arm front suspension: from the measured\n\
joints of each front corner it moves the wheel through its travel and shows camber,\n\
caster, side scrub, fore/aft and bump steer curves, the static geometry and the roll\n\
centre, with advice for the track, printouts and garage worksheets.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link are found by dpkg-shlibdeps; the toolkit's platform
# plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
