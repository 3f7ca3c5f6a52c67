include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Two components, as the packages split them: "runtime" is the versioned shared library,
# "development" the headers, the .so link and the CMake and pkg-config files.
install(TARGETS qodata EXPORT qodataTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/qodata DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT development)
install(EXPORT qodataTargets NAMESPACE qodata:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qodata
  COMPONENT development)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/qodataConfig.cmake.in
  ${PROJECT_BINARY_DIR}/qodataConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qodata)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/qodataConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/qodataConfig.cmake ${PROJECT_BINARY_DIR}/qodataConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qodata COMPONENT development)

# The .pc file names its prefix relative to its own folder, so an installed tree (or an
# unpacked package) can be moved; folders given as absolute paths stay as given.
file(RELATIVE_PATH QODATA_PC_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" QODATA_PC_PREFIX "\${pcfiledir}/${QODATA_PC_PREFIX}")
foreach(dir LIBDIR INCLUDEDIR)
  set(QODATA_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(QODATA_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/qodata.pc.in ${PROJECT_BINARY_DIR}/qodata.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/qodata.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT development)

include(${PROJECT_SOURCE_DIR}/cmake/debian.cmake)
