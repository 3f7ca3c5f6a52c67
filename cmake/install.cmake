include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS qodata EXPORT qodataTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/qodata DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT qodataTargets NAMESPACE qodata:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qodata)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/qodataConfig.cmake.in
  ${PROJECT_BINARY_DIR}/qodataConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qodata)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/qodataConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/qodataConfig.cmake ${PROJECT_BINARY_DIR}/qodataConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qodata)

configure_file(${PROJECT_SOURCE_DIR}/cmake/qodata.pc.in ${PROJECT_BINARY_DIR}/qodata.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/qodata.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
