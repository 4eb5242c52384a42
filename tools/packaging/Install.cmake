# Installation where Linux users look for a program, and a Debian package of it.
#   /usr/lib/<multiarch>/plu-manager/  the programs and the link library (private: no ldconfig)
#   /usr/share/plu-manager/            Lang/, Images/ and the user guide, the same on every architecture
#   /usr/bin/                          links to the three programs (they find their folder through /proc/self/exe)
#   /usr/share/...                     desktop entry, AppStream data, icons, file types, manual pages,
#                                      copyright and changelog
# PLU_INSTALL_PROGRAM_DIR and PLU_INSTALL_RESOURCE_DIR are set in the top CMakeLists.txt, which
# tells the program where its resources are when installed.
include(GNUInstallDirs)

install(TARGETS plu-manager plu-cli scale-sim plu-xls-reader RUNTIME DESTINATION ${PLU_INSTALL_PROGRAM_DIR})
install(TARGETS zqslabelscale LIBRARY DESTINATION ${PLU_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PLU_BIN_DIR}/Lang ${PLU_BIN_DIR}/Images ${PLU_BIN_DIR}/guide DESTINATION ${PLU_INSTALL_RESOURCE_DIR})
# Stripped as Debian strips (dh_strip): the compiler's .comment and .note sections go as well.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(file plu-manager plu-cli scale-sim plu-xls-reader libzqslabelscale.so)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PLU_INSTALL_PROGRAM_DIR}/\${file}\")
        endforeach()
    endif()")
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

# Manual pages and the changelog compressed as Debian wants them: gzip -9 without a time stamp.
find_program(PLU_GZIP gzip REQUIRED)
set(PLU_GZ_DIR ${CMAKE_BINARY_DIR}/packaging)
set(PLU_GZ_FILES)
foreach(page plu-manager.1 plu-cli.1 scale-sim.1)
    add_custom_command(OUTPUT ${PLU_GZ_DIR}/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PLU_GZ_DIR}
        COMMAND ${PLU_GZIP} -9nc ${CMAKE_SOURCE_DIR}/docs/man/${page} > ${PLU_GZ_DIR}/${page}.gz
        DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/${page})
    list(APPEND PLU_GZ_FILES ${PLU_GZ_DIR}/${page}.gz)
endforeach()
add_custom_command(OUTPUT ${PLU_GZ_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PLU_GZ_DIR}
    COMMAND ${PLU_GZIP} -9nc ${packaging}/changelog > ${PLU_GZ_DIR}/changelog.gz
    DEPENDS ${packaging}/changelog)
add_custom_target(packaging-files ALL DEPENDS ${PLU_GZ_FILES} ${PLU_GZ_DIR}/changelog.gz)
install(FILES ${PLU_GZ_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright ${PLU_GZ_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plu-manager)

# The inbox watcher as a system service: a template unit, its system user (created by postinst and
# at boot) and an example of an instance's settings. Debian 12 keeps units in /lib.
install(FILES ${packaging}/plu-watch@.service DESTINATION /lib/systemd/system)
install(FILES ${packaging}/plu-watch.sysusers DESTINATION lib/sysusers.d RENAME plu-watch.conf)
install(FILES ${packaging}/plu-watch.conf.example DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plu-manager/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plu-manager)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "PLU Manager developers <dev@plumanager.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the price look-up lists of retail label scales")
# Lines of at most 80 characters; a line of its own is a paragraph to dpkg.
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps the PLU list of a shop's label scales, edits it in a grid with undo,\nand sends it to the scales over RS-232 or TCP/IP with the side data they\nneed: messages, departments, discount schedules, advertising texts and\nhotkey cards. Includes a command-line tool and a scale simulator.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://plumanager.org/")
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
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/postinst)
include(CPack)
