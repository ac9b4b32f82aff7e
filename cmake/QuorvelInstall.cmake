# Installing Quorvel into a prefix, and the Debian package made from that install.
#
#   <prefix>/bin/quorvel, quorvel-rr
#   <prefix>/share/quorvel/tbld2.txt, help/   (found as ../share/quorvel from bin/)
#   <prefix>/share/applications/quorvel.desktop, share/metainfo/, the hicolor icon
#   <prefix>/share/man/man1/quorvel.1.gz, quorvel-rr.1.gz (the latter from --help)
#   <prefix>/share/doc/quorvel/copyright, changelog.gz (Debian's names)
include(GNUInstallDirs)

set(QUORVEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUORVEL_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)
set(QUORVEL_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/quorvel)

configure_file(${QUORVEL_PACKAGING_DIR}/org.example.Quorvel.metainfo.xml.in
    ${QUORVEL_GENERATED_DIR}/org.example.Quorvel.metainfo.xml @ONLY)
configure_file(${QUORVEL_PACKAGING_DIR}/quorvel.1 ${QUORVEL_GENERATED_DIR}/quorvel.1 @ONLY)
configure_file(${QUORVEL_PACKAGING_DIR}/changelog ${QUORVEL_GENERATED_DIR}/changelog @ONLY)

# Manual pages and the changelog are installed compressed, as Debian wants them. The page
# of quorvel-rr is made from its own --help and --version, so the two never drift apart.
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${QUORVEL_GENERATED_DIR}/quorvel-rr.1
    COMMAND ${HELP2MAN} --no-info --section=1 --source=Quorvel
        "--name=Gage R&R reports from a CMM's CSV file, without a window"
        --output=${QUORVEL_GENERATED_DIR}/quorvel-rr.1 $<TARGET_FILE:quorvel-rr>
    DEPENDS quorvel-rr
    VERBATIM)
set(QUORVEL_COMPRESSED)
foreach(document quorvel.1 quorvel-rr.1 changelog)
    add_custom_command(OUTPUT ${QUORVEL_GENERATED_DIR}/${document}.gz
        COMMAND ${GZIP} -9nc ${QUORVEL_GENERATED_DIR}/${document} > ${QUORVEL_GENERATED_DIR}/${document}.gz
        DEPENDS ${QUORVEL_GENERATED_DIR}/${document})
    list(APPEND QUORVEL_COMPRESSED ${QUORVEL_GENERATED_DIR}/${document}.gz)
endforeach()
add_custom_target(quorvel_install_documents ALL DEPENDS ${QUORVEL_COMPRESSED})

install(TARGETS quorvel quorvel-rr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/tbld2.txt DESTINATION ${QUORVEL_SHARE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${QUORVEL_SHARE_DIR}/help)
install(FILES ${QUORVEL_PACKAGING_DIR}/quorvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVEL_GENERATED_DIR}/org.example.Quorvel.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUORVEL_PACKAGING_DIR}/quorvel.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUORVEL_GENERATED_DIR}/quorvel.1.gz ${QUORVEL_GENERATED_DIR}/quorvel-rr.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUORVEL_PACKAGING_DIR}/copyright ${QUORVEL_GENERATED_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "The Quorvel developers <quorvel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "toolkit for CMM programmers and inspectors of machined parts")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel gathers in one window the tools an inspector otherwise works out
by hand: a Gage R&R study imported from the CSV files a CMM writes, machine
and part uncertainty, a right-triangle solver, angle and unit conversions
with a GD&T reference, thermal expansion, and Code Keeper, a small library
of part-program code. quorvel-rr reports Gage R&R studies from the command
line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORVEL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no library lookup finds them: Qt's window-system plugins (X11,
# Wayland, offscreen for quorvel-rr), the SVG plugins that draw every picture, and the
# metric-compatible fonts the sheets ask for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
