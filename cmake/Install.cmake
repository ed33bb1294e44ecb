# `cmake --install` and `cpack -G DEB`: the program, its help pages, its icon, the desktop entry and
# the MIME type of ".cbf" catalogues under the usual freedesktop folders of the prefix.
include(GNUInstallDirs)

install(TARGETS mirvane-cdbase RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for its pages in ../share/mirvane-cdbase/help beside its own folder.
install(DIRECTORY help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/mirvane-cdbase/help)
install(FILES packaging/mirvane-cdbase.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/mirvane-cdbase.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES packaging/mirvane-cdbase.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 256)
    install(FILES packaging/mirvane-cdbase-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME mirvane-cdbase.png)
endforeach()

set(CPACK_PACKAGE_NAME mirvane-cdbase)
set(CPACK_PACKAGE_VENDOR "Mirvane CD Base developers")
set(CPACK_PACKAGE_CONTACT "Mirvane CD Base developers <mirvane-cdbase@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Catalogue of a private collection of film and music discs")
set(CPACK_PACKAGE_DESCRIPTION "A desktop catalogue of film and music discs with a Russian user interface: \
disc records, reference lists, lending discs to contacts and taking them back, a filtered and sorted \
table and an event journal.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the library scan cannot see them: the Russian texts of the standard buttons,
# and the opener of links and exported workbooks.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)

# The desktop entry as the desktops read it (its agreement with the one the program writes for the
# user is a unit test).
find_program(MCB_DESKTOP_FILE_VALIDATE desktop-file-validate)
if(MCB_BUILD_TESTS AND MCB_DESKTOP_FILE_VALIDATE)
    add_test(NAME DesktopEntryIsValid
             COMMAND ${MCB_DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/packaging/mirvane-cdbase.desktop)
endif()
