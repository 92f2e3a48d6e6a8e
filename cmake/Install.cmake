# Where `cmake --install` puts Orvanta, and the Debian package `cpack -G DEB`
# makes from the same tree. Included from the top level once the targets exist.

include(GNUInstallDirs)

# The freedesktop id: names the desktop entry, the metainfo file and the icon,
# and is what the program gives QGuiApplication::setDesktopFileName.
set(ORVANTA_APP_ID org.orvanta.orvanta)
set(ORVANTA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(ORVANTA_DESKTOP_FILE ${ORVANTA_DESKTOP_DIR}/${ORVANTA_APP_ID}.desktop)
set(ORVANTA_METAINFO_FILE ${ORVANTA_DESKTOP_DIR}/${ORVANTA_APP_ID}.metainfo.xml)
set(ORVANTA_MANUAL_PAGE ${PROJECT_SOURCE_DIR}/resources/man/orvanta.1)
# The package's changelog, in Debian's format; its latest version is the
# project's version.
set(ORVANTA_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/debian/changelog)

# Installs SOURCE into DESTINATION as SOURCE.gz, compressed by the build with
# gzip at its highest level, as Debian wants manual pages and changelogs; -n
# leaves out the name and time stamp, so the same source gives the same bytes.
function(orvanta_install_compressed source destination)
    find_program(ORVANTA_GZIP gzip REQUIRED)
    cmake_path(GET source FILENAME name)
    set(copy ${PROJECT_BINARY_DIR}/compressed/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${ORVANTA_GZIP} -9nf ${copy}
        DEPENDS ${source}
        VERBATIM)
    add_custom_target(compressed_${name} ALL DEPENDS ${copy}.gz)
    install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

# Directories the installation creates are 755 whatever the umask, as a
# Debian package's must be.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS orvanta
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)

# Desktop integration exists only on freedesktop systems; Windows takes its
# icon and version from the resource script compiled into the executable.
if(UNIX AND NOT APPLE)
    # Qt and the C++ runtime come from the system's library directories; the
    # $ORIGIN search path Qt's project set-up adds would only widen the search.
    set_target_properties(orvanta PROPERTIES INSTALL_RPATH "")
    # Built as Debian builds the programs it ships (dpkg-buildflags with
    # hardening=+all; the compiler makes position-independent executables by
    # default): stack protector, glibc's checked string and memory functions
    # (they need the optimiser), and a global offset table that is resolved at
    # start and then made read-only.
    target_compile_options(orvanta_options INTERFACE -fstack-protector-strong)
    target_compile_definitions(orvanta_options INTERFACE
        $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    target_link_options(orvanta_options INTERFACE LINKER:-z,relro LINKER:-z,now)
    # A stripped install (cpack, cmake --install --strip) also drops what
    # Debian's dh_strip drops: .comment names only the compiler.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orvanta\")
        endif()")
    install(FILES ${ORVANTA_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ORVANTA_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 32)
        install(FILES ${ORVANTA_ICON_DIR}/orvanta-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ORVANTA_APP_ID}.png)
    endforeach()
    install(FILES ${ORVANTA_ICON_DIR}/orvanta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ORVANTA_APP_ID}.svg)
    # Debian expects the licence as the package's copyright file.
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvanta
        RENAME copyright)
    orvanta_install_compressed(${ORVANTA_MANUAL_PAGE} ${CMAKE_INSTALL_MANDIR}/man1)
    orvanta_install_compressed(${ORVANTA_CHANGELOG} ${CMAKE_INSTALL_DATADIR}/doc/orvanta)
endif()

set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Orvanta developers")
set(CPACK_PACKAGE_CONTACT "Orvanta developers <developers@orvanta.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Convert areas and volumes between metric and imperial units")
# Debian wraps nothing itself: keep the lines short.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A small desktop converter between square meters and square feet, and"
    "between cubic meters and cubic feet. Each direction has a page of ten"
    "rows; a row shows the result with its unit.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Orvanta)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/out/")

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_DEBIAN_PACKAGE_NAME orvanta)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out the libraries (Qt, libstdc++) from the executable.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window is designed around these faces; without them it falls back to DejaVu.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation | fonts-liberation2, fonts-quattrocento")

include(CPack)
