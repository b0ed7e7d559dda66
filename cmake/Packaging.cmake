# Debian package of the launcher: `cpack -G DEB` in the build folder (or
# scripts/package.sh) makes lumora_<version>_amd64.deb from the install rules.

include(GNUInstallDirs)
set(_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/lumora)
set(_pkg_dir ${CMAKE_CURRENT_BINARY_DIR}/package)

# Debian wants the changelog and the manual page compressed without a time stamp.
add_custom_command(
  OUTPUT ${_pkg_dir}/changelog.gz ${_pkg_dir}/lumora.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_pkg_dir}
  COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/desktop/debian/changelog' > '${_pkg_dir}/changelog.gz'"
  COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/desktop/debian/lumora.1' > '${_pkg_dir}/lumora.1.gz'"
  DEPENDS ${PROJECT_SOURCE_DIR}/desktop/debian/changelog ${PROJECT_SOURCE_DIR}/desktop/debian/lumora.1
  VERBATIM)
add_custom_target(lumora_package_docs ALL DEPENDS ${_pkg_dir}/changelog.gz ${_pkg_dir}/lumora.1.gz)

install(FILES ${PROJECT_SOURCE_DIR}/desktop/debian/copyright ${_pkg_dir}/changelog.gz
        DESTINATION ${_doc_dir})
install(FILES ${_pkg_dir}/lumora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/debian/lumora.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME lumora)

# Full read-only relocations, as Debian's hardening checks expect of a program.
target_link_options(lumora PRIVATE -Wl,-z,relro -Wl,-z,now)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lumora")
set(CPACK_PACKAGE_CONTACT "Lumora maintainers <maintainers@lumora.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "desktop launcher that finds the fastest platform line\n"
    "Lumora asks the platform's line service for the lines that are valid now,\n"
    "measures how fast each one answers and shows the three fastest, with the\n"
    "time each phase of the request took, one click away from the browser.\n"
    "It also offers the platform's client programs as QR codes.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
include(CPack)
