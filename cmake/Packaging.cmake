#
# Install rules and CPack packages for the program. On Linux: the program, its
# desktop entry, icons, AppStream metainfo and Debian's documents under the
# usual prefix, packed as a .deb (which depends on fonts-dseg for the LCD face
# instead of carrying it); the portable tarball is made apart from this tree
# (packaging/linux/bundle.sh). On Windows: talvorin.exe with the face and the licences in one
# flat folder (the program looks for the face beside itself), packed as a zip;
# packaging/windows/talvorin.nsi builds the installer from that same tree.
include_guard(GLOBAL)
include(GNUInstallDirs)

set(TALVORIN_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)
set(TALVORIN_LICENCES
    ${TALVORIN_PACKAGING_DIR}/licences/NOTICE.txt
    ${TALVORIN_PACKAGING_DIR}/licences/DSEG7-OFL.txt)

if(WIN32)
    set(TALVORIN_BIN_DIR .)
    set(TALVORIN_DOC_DIR .)
else()
    set(TALVORIN_BIN_DIR ${CMAKE_INSTALL_BINDIR})
    set(TALVORIN_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/talvorin)
endif()

# The program target lives in src/, which may be configured without it (no
# Qt 6 found, or TALVORIN_QT off): the data and licences still install.
if(TARGET talvorin)
    install(TARGETS talvorin RUNTIME DESTINATION ${TALVORIN_BIN_DIR})
else()
    message(WARNING "No target 'talvorin': the packages will not hold the program")
endif()
install(FILES ${TALVORIN_LICENCES} DESTINATION ${TALVORIN_DOC_DIR})

if(WIN32)
    # Windows has no DSEG7 package to depend on: the face travels with the program.
    if(NOT TALVORIN_LCD_FONT)
        set(TALVORIN_LCD_FONT ${TALVORIN_PACKAGING_DIR}/fonts/DSEG7Classic-Regular.ttf)
    endif()
    if(EXISTS ${TALVORIN_LCD_FONT})
        install(FILES ${TALVORIN_LCD_FONT} DESTINATION . RENAME DSEG7Classic-Regular.ttf)
    else()
        message(WARNING "${TALVORIN_LCD_FONT} not found: the packages will not hold the LCD face")
    endif()
else()
    set(icons ${TALVORIN_PACKAGING_DIR}/icons/hicolor)
    install(FILES ${TALVORIN_PACKAGING_DIR}/linux/talvorin.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    install(FILES ${TALVORIN_PACKAGING_DIR}/linux/io.talvorin.talvorin.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
    install(DIRECTORY ${icons}/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor
        FILES_MATCHING PATTERN "talvorin.png" PATTERN "talvorin.svg")

    # What Debian asks of every package: the terms in its machine-readable
    # form, the changelog (a native package's changelog.gz) and the manual
    # page, compressed without names or times so that builds compare equal.
    set(linux ${TALVORIN_PACKAGING_DIR}/linux)
    file(STRINGS ${linux}/changelog top LIMIT_COUNT 1)
    if(NOT top MATCHES "^talvorin \\(${PROJECT_VERSION}\\) ")
        message(WARNING "packaging/linux/changelog does not start with version ${PROJECT_VERSION}")
    endif()
    set(gzipped)
    foreach(doc changelog talvorin.1)
        set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz)
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
            COMMAND sh -c "gzip -9nc '${linux}/${doc}' > '${out}'"
            DEPENDS ${linux}/${doc} VERBATIM)
        list(APPEND gzipped ${out})
    endforeach()
    add_custom_target(talvorin_debian_docs ALL DEPENDS ${gzipped})
    install(FILES ${linux}/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${TALVORIN_DOC_DIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/talvorin.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Packages.
set(CPACK_PACKAGE_NAME talvorin)
set(CPACK_PACKAGE_VENDOR "Talvorin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop clock with large LCD digits (Horloge de bureau)")
set(CPACK_PACKAGE_CONTACT "Talvorin developers <talvorin@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${TALVORIN_PACKAGING_DIR}/licences/NOTICE.txt)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_SOURCE_GENERATOR "")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME talvorin-${PROJECT_VERSION}-windows-x64)
else()
    # The tarball is a bundle that runs without Qt installed: packaging/linux/bundle.sh.
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_FILE_NAME talvorin-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})

    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    # Its terms allow no redistribution: Debian's archive area for it is non-free.
    set(CPACK_DEBIAN_PACKAGE_SECTION non-free/utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
    # dpkg-shlibdeps turns the program's Qt 6 and C++ libraries into the
    # exact Debian package names; the face is read at run time, so it is named here.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dseg")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    # CPack puts the summary above this as the synopsis line.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Talvorin shows the current time in large LCD-style digits, with the day name
and the date above them, in a small translucent window that can stay above
all other windows. Its user interface is in French.
.
Talvorin affiche l'heure en grands chiffres de style LCD, avec le nom du jour
et la date au-dessus, dans une petite fenêtre translucide qui peut rester
devant toutes les autres. Son interface est en français.")
endif()

include(CPack)
