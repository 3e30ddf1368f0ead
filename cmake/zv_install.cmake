# Installation: the public headers, the library, the stand-ins of its sibling
# libraries and the framework binding (which plug-ins link statically), with
# a CMake package (zvk::scn_2d, zvk::basic, ... zvk::framework) and one
# pkg-config file per module.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Module target -> imported name (zvk::<name>).
set(zv_installed_modules
  "zvk_scn_2d:scn_2d" "zvk_basic:basic" "zvk_entity:entity" "zvk_prg:prg" "zvk_styles:styles"
  "zvk_proj4_d2:proj4_d2" "zvk_axis2d:axis2d" "zvk_lr2d:lr2d" "zvk_lr:lr")
set(zv_module_targets)
foreach(entry ${zv_installed_modules})
  string(REPLACE ":" ";" fields "${entry}")
  list(GET fields 0 target)
  list(GET fields 1 export_name)
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${export_name})
  list(APPEND zv_module_targets ${target})
endforeach()
set_target_properties(zv_framework PROPERTIES EXPORT_NAME framework)
set_target_properties(zv_text PROPERTIES EXPORT_NAME text)

# zv_linked_modules(TARGET OUT)
# The installed modules that TARGET links, read from its link libraries and
# those of the static and object libraries it is built from (the library
# reaches the stand-ins through its layers); a module's own links stay
# behind it. So pkg-config's table cannot drift from the real links.
function(zv_linked_modules target out)
  set(found)
  set(seen)
  get_target_property(queue ${target} LINK_LIBRARIES)
  while(queue)
    list(POP_FRONT queue link)
    string(REGEX REPLACE "\\$<[A-Z_]+:|>" "" link "${link}")  # $<LINK_ONLY:x> and the like
    if(link IN_LIST seen OR NOT TARGET ${link})
      continue()
    endif()
    list(APPEND seen ${link})
    get_target_property(type ${link} TYPE)
    if(link IN_LIST zv_module_targets)
      list(APPEND found ${link})
    elseif(NOT type STREQUAL "SHARED_LIBRARY")
      get_target_property(more ${link} INTERFACE_LINK_LIBRARIES)
      if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(own ${link} LINK_LIBRARIES)
        list(APPEND more ${own})
      endif()
      list(FILTER more EXCLUDE REGEX "-NOTFOUND$")
      list(APPEND queue ${more})
    endif()
  endwhile()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

install(TARGETS zv_framework zv_text ${zv_module_targets} EXPORT zvk_scn_2d_targets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
# The stand-ins' test hooks are for the project's own tests, not public.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/zv DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  PATTERN fault_hooks.h EXCLUDE
  PATTERN lr2d_test_hooks.h EXCLUDE)
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
foreach(ZV_PC_NAME ${zv_module_targets})
  zv_linked_modules(${ZV_PC_NAME} requires)
  string(REPLACE ";" ", " ZV_PC_REQUIRES "${requires}")
  set(ZV_PC_LIBS "-l${ZV_PC_NAME}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/package/module.pc.in ${CMAKE_BINARY_DIR}/package/${ZV_PC_NAME}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/package/${ZV_PC_NAME}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
# The framework binding for plug-ins: static, with its text conversions.
set(ZV_PC_NAME zvk_framework)
zv_linked_modules(zv_framework requires)
string(REPLACE ";" ", " ZV_PC_REQUIRES "${requires}")
set(ZV_PC_LIBS "-lzv_framework -lzv_text")
configure_file(${PROJECT_SOURCE_DIR}/cmake/package/module.pc.in ${CMAKE_BINARY_DIR}/package/zvk_framework.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/package/zvk_framework.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
