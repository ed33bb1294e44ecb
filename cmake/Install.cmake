# `cmake --install` and `cpack -G DEB`: the program, its help pages, its icon, the desktop entry, the
# MIME type of ".cbf" catalogues and the AppStream description under the usual freedesktop folders of
# the prefix, the manual pages in English and Russian, and the files Debian asks of every package.
include(GNUInstallDirs)

# Manual pages and the changelog are installed compressed, without a time stamp (reproducible).
set(MCB_PACKED_FILES man/mirvane-cdbase.1 man/ru/mirvane-cdbase.1 changelog)
set(MCB_PACKED)
foreach(file ${MCB_PACKED_FILES})
    set(packed ${CMAKE_BINARY_DIR}/packaging/${file}.gz)
    get_filename_component(folder ${packed} DIRECTORY)
    add_custom_command(OUTPUT ${packed} COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                       COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/${file} > ${packed}
                       DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file} VERBATIM)
    list(APPEND MCB_PACKED ${packed})
endforeach()
add_custom_target(mcb_packed_files DEPENDS ${MCB_PACKED})
add_dependencies(mirvane-cdbase mcb_packed_files) # whatever builds the program can install it

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
install(FILES packaging/mirvane-cdbase.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/packaging/man/mirvane-cdbase.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/man/ru/mirvane-cdbase.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The checks of lintian that do not fit this package, each with its reason (see the file).
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME mirvane-cdbase)

set(CPACK_PACKAGE_NAME mirvane-cdbase)
set(CPACK_PACKAGE_VENDOR "Mirvane CD Base developers")
set(CPACK_PACKAGE_CONTACT "Mirvane CD Base developers <cdbase@mirvane.example>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://mirvane.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of a private collection of film and music discs")
# Lines of the long description as Debian's control file wants them: short, each after a blank.
set(CPACK_PACKAGE_DESCRIPTION "A desktop catalogue of film and music discs with a Russian user\n\
interface: disc records, reference lists of genres, countries, companies\n\
and contacts, lending discs to contacts and taking them back with e-mail\n\
reminders, a filtered and sorted table, printing, export to a spreadsheet\n\
workbook, an event journal and a check for new versions.")
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

# The installed descriptions as the desktops, software centres and man read them, when the checkers
# are installed (the desktop entry's agreement with the one the program writes for the user is a
# unit test).
find_program(MCB_DESKTOP_FILE_VALIDATE desktop-file-validate)
if(MCB_BUILD_TESTS AND MCB_DESKTOP_FILE_VALIDATE)
    add_test(NAME DesktopEntryIsValid
             COMMAND ${MCB_DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/packaging/mirvane-cdbase.desktop)
endif()
find_program(MCB_APPSTREAMCLI appstreamcli)
if(MCB_BUILD_TESTS AND MCB_APPSTREAMCLI)
    add_test(NAME MetainfoIsValid COMMAND ${MCB_APPSTREAMCLI} validate --no-net --pedantic
                                          ${CMAKE_SOURCE_DIR}/packaging/mirvane-cdbase.metainfo.xml)
endif()
find_program(MCB_MAN man)
if(MCB_BUILD_TESTS AND MCB_MAN)
    # man prints its warnings (as lintian reads them) on standard error; any output fails the test.
    foreach(language en ru)
        set(page ${CMAKE_SOURCE_DIR}/packaging/man/mirvane-cdbase.1)
        if(NOT language STREQUAL en)
            set(page ${CMAKE_SOURCE_DIR}/packaging/man/${language}/mirvane-cdbase.1)
        endif()
        add_test(NAME ManualPageIsClean_${language}
                 COMMAND sh -c "\"$0\" --warnings -E UTF-8 -l -Tutf8 -Z \"$1\" 2>&1 >/dev/null | grep . && exit 1; exit 0"
                         ${MCB_MAN} ${page})
        set_tests_properties(ManualPageIsClean_${language} PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8;MANWIDTH=80")
    endforeach()
endif()
