# Installation where Linux users look for a program, and a Debian package of it.
#   /usr/lib/plu-manager/   the program folder: executables, the link library, Lang/, Images/
#   /usr/bin/               links to the three programs (they find their folder through /proc/self/exe)
#   /usr/share/...          desktop entry, AppStream data, icons, file types, manual pages
include(GNUInstallDirs)
# Not the multiarch library folder: this is a program's own folder, not a shared library.
set(PLU_INSTALL_PROGRAM_DIR lib/plu-manager)

install(TARGETS plu-manager plu-cli scale-sim plu-xls-reader RUNTIME DESTINATION ${PLU_INSTALL_PROGRAM_DIR})
install(TARGETS zqslabelscale LIBRARY DESTINATION ${PLU_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PLU_BIN_DIR}/Lang ${PLU_BIN_DIR}/Images DESTINATION ${PLU_INSTALL_PROGRAM_DIR})
foreach(program plu-manager plu-cli scale-sim)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(CREATE_LINK ../${PLU_INSTALL_PROGRAM_DIR}/${program} \"\${link}\" SYMBOLIC)
        message(STATUS \"Installing: \${link}\")")
endforeach()

set(PLU_APP_ID org.plumanager.PluManager)
set(packaging ${CMAKE_SOURCE_DIR}/tools/packaging)
install(FILES ${packaging}/${PLU_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${PLU_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/plu-manager-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME plu-manager.xml)
set(icons ${CMAKE_SOURCE_DIR}/Images/icons)
install(FILES ${icons}/plu-manager.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${icons}/plu-manager-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME plu-manager.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/plu-manager.1 ${CMAKE_SOURCE_DIR}/docs/man/plu-cli.1
              ${CMAKE_SOURCE_DIR}/docs/man/scale-sim.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The user guide with its pictures, which it names relative to itself.
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plu-manager)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plu-manager
        FILES_MATCHING PATTERN "*.png")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plu-manager)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "PLU Manager developers <dev@plumanager.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the price look-up lists of retail label scales")
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps the PLU list of a shop's label scales, edits it in a grid with undo, and sends it to the\nscales over RS-232 or TCP/IP with the side data they need.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
# Shared libraries are found by dpkg-shlibdeps; what is loaded at run time is named here: the
# SQLite driver of the local database, Qt's own translations and the xlsx writer.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite, qttranslations5-l10n, libxlsxwriter4")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
