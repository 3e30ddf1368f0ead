# Installation: the public headers, the library, the stand-ins of its sibling
# libraries and the framework binding (which plug-ins link statically), with
# a CMake package (zvk::scn_2d, zvk::basic, ... zvk::framework) and one
# pkg-config file per module.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Module target -> imported name (zvk::<name>) and what it needs at link time
# (for pkg-config; CMake's package records it itself).
set(zv_installed_modules
  "zvk_scn_2d:scn_2d:zvk_lr zvk_lr2d zvk_prg zvk_styles zvk_proj4_d2 zvk_axis2d zvk_entity zvk_basic"
  "zvk_basic:basic:"
  "zvk_entity:entity:zvk_basic"
  "zvk_prg:prg:zvk_basic"
  "zvk_styles:styles:zvk_basic"
  "zvk_proj4_d2:proj4_d2:zvk_basic"
  "zvk_axis2d:axis2d:zvk_basic"
  "zvk_lr2d:lr2d:zvk_basic zvk_entity zvk_prg"
  "zvk_lr:lr:zvk_lr2d zvk_entity zvk_basic zvk_prg")

set(zv_install_targets zv_framework zv_text)
set_target_properties(zv_framework PROPERTIES EXPORT_NAME framework)
set_target_properties(zv_text PROPERTIES EXPORT_NAME text)
foreach(entry ${zv_installed_modules})
  string(REPLACE ":" ";" fields "${entry}")
  list(GET fields 0 target)
  list(GET fields 1 export_name)
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${export_name})
  list(APPEND zv_install_targets ${target})
endforeach()

install(TARGETS ${zv_install_targets} EXPORT zvk_scn_2d_targets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/zv DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(WIN32)
  # The shared C++ runtime the modules were built against, next to the DLLs.
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endforeach()
endif()

set(zv_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/zvk_scn_2d)
install(EXPORT zvk_scn_2d_targets NAMESPACE zvk:: DESTINATION ${zv_package_dir})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/package/zvk_scn_2d-config.cmake.in
  ${CMAKE_BINARY_DIR}/package/zvk_scn_2d-config.cmake INSTALL_DESTINATION ${zv_package_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/zvk_scn_2d-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/zvk_scn_2d-config.cmake
              ${CMAKE_BINARY_DIR}/package/zvk_scn_2d-config-version.cmake DESTINATION ${zv_package_dir})

# pkg-config: one file per module, each requiring the modules it links.
# The prefix is found from the file's own place, so a staged install works.
file(RELATIVE_PATH ZV_PC_PREFIX "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
foreach(entry ${zv_installed_modules})
  string(REPLACE ":" ";" fields "${entry}")
  list(GET fields 0 ZV_PC_NAME)
  list(LENGTH fields n)
  set(ZV_PC_REQUIRES "")
  if(n GREATER 2)
    list(GET fields 2 requires)
    string(REPLACE " " ", " ZV_PC_REQUIRES "${requires}")
  endif()
  set(ZV_PC_LIBS "-l${ZV_PC_NAME}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/package/module.pc.in ${CMAKE_BINARY_DIR}/package/${ZV_PC_NAME}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/package/${ZV_PC_NAME}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
# The framework binding for plug-ins: static, with its text conversions.
set(ZV_PC_NAME zvk_framework)
set(ZV_PC_REQUIRES "zvk_basic")
set(ZV_PC_LIBS "-lzv_framework -lzv_text")
configure_file(${PROJECT_SOURCE_DIR}/cmake/package/module.pc.in ${CMAKE_BINARY_DIR}/package/zvk_framework.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/package/zvk_framework.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
