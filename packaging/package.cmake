# The system-wide layout a package installs under /usr: the program in bin, its sounds and help
# in share/almanor (where a program built with ALMANOR_SYSTEM_INSTALL reads them), the menu
# entry, the icons in the hicolor theme, the AppStream description and Debian's documentation
# files; and the Debian package made of it: cpack -G DEB (see scripts/package).
include(GNUInstallDirs)
set(ALMANOR_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(ALMANOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/almanor)

install(TARGETS almanor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ALMANOR_APP_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/almanor)

set(ALMANOR_INSTALLED_PROGRAM almanor)
set(ALMANOR_INSTALLED_ICON almanor)
configure_file(${PROJECT_SOURCE_DIR}/resources/almanor.desktop.in
               ${ALMANOR_PACKAGING_DIR}/almanor.desktop @ONLY)
install(FILES ${ALMANOR_PACKAGING_DIR}/almanor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_CURRENT_LIST_DIR}/com.example.Almanor.metainfo.xml
               ${ALMANOR_PACKAGING_DIR}/com.example.Almanor.metainfo.xml @ONLY)
install(FILES ${ALMANOR_PACKAGING_DIR}/com.example.Almanor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The artwork is one 64-pixel picture; each size the theme knows is scaled from it.
set(icons ${ALMANOR_PACKAGING_DIR}/icons)
add_custom_command(OUTPUT ${icons}/256x256/apps/almanor.png
    COMMAND scale_icon ${PROJECT_SOURCE_DIR}/resources/almanor.png ${icons}
    DEPENDS scale_icon ${PROJECT_SOURCE_DIR}/resources/almanor.png
    COMMENT "Scaling the icon for the hicolor theme" VERBATIM)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${ALMANOR_PACKAGING_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${ALMANOR_PACKAGING_DIR}/changelog.gz
    COMMAND gzip -9nkf ${ALMANOR_PACKAGING_DIR}/changelog
    DEPENDS ${ALMANOR_PACKAGING_DIR}/changelog VERBATIM)
add_custom_target(almanor_package_files ALL
    DEPENDS ${icons}/256x256/apps/almanor.png ${ALMANOR_PACKAGING_DIR}/changelog.gz)
install(DIRECTORY ${icons}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${ALMANOR_PACKAGING_DIR}/changelog.gz
        DESTINATION ${ALMANOR_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME almanor)
set(CPACK_PACKAGE_VENDOR "The Almanor developers")
set(CPACK_PACKAGE_CONTACT "Almanor developers <almanor@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "day planner at the edge of the screen")
# CPack indents each line of the long description itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Almanor keeps one note and an optional alarm for every day.
Its calendar window sits against the right edge of the screen and slides away
to a thin strip when it is not needed. Every keystroke is saved at once, to a
plain text file per day.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.com/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
