# Debian packages from the install components (scripts/package.sh runs cpack -G DEB):
# libqodata1 holds the shared library named by its SONAME, libqodata-dev everything needed to
# compile against it and depends on exactly the same version of libqodata1.
set(CPACK_PACKAGE_NAME qodata)
set(CPACK_PACKAGE_VENDOR "qodata developers")
set(CPACK_PACKAGE_CONTACT "qodata developer <dev@qodata.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://qodata.example")
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL runtime development)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(QODATA_DEBIAN_VERSION "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libqodata${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# Descriptions: the project's description is the synopsis, these the extended text.
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "The shared library that an instant-messaging client and its plug-ins load to pass the data
they share as reference-counted containers behind interfaces with a fixed slot order.")
# Dependencies on libc and libstdc++ read from the library, and a shlibs file (with the ldconfig
# trigger) so that packages linking libqodata get their dependency on it.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libqodata-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
  "${CPACK_DEBIAN_RUNTIME_PACKAGE_NAME} (= ${QODATA_DEBIAN_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "Development files: headers, the CMake package (find_package(qodata)) and the
pkg-config file for building clients and plug-ins against libqodata.")
# qodata-dialog (installed with the development component) is linked statically against the
# library, so its own dependencies on libc and libstdc++ are read from it as well.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SHLIBDEPS ON)

# Each package carries the copyright file in its documentation folder, as Debian's policy asks.
foreach(component runtime development)
  string(TOUPPER ${component} upper)
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/copyright
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_DEBIAN_${upper}_PACKAGE_NAME}
    COMPONENT ${component})
endforeach()
include(CPack)
