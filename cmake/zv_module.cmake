# Shared build rules of the project's modules, tests and tools.

add_library(zv_warnings INTERFACE)
target_compile_options(zv_warnings INTERFACE -Wall -Wextra -Wpedantic)
# GCC 12 reports overlapping copies and out-of-bounds writes inside its own
# std::string and std::vector at -O3 where there are none (known false
# positives of that release).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(zv_warnings INTERFACE -Wno-restrict -Wno-stringop-overflow -Wno-array-bounds)
endif()
if(ZV_WERROR)
  target_compile_options(zv_warnings INTERFACE -Werror)
endif()

if(ZV_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One C++ runtime shared by every module, as on the target platform: with a
  # static copy in each module, std::uncaught_exceptions() in a DLL does not
  # see an exception thrown by a listener in another module, and a bracket
  # closing under it would take a second exception for a first one. The
  # runtime DLLs go next to the programs, where Windows and Wine look first.
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE zv_runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(COPY ${zv_runtime_dll} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endforeach()
endif()

find_package(Threads)

# zv_add_module(NAME BUILD_DEFINE <macro> [LINKS ...] [SOURCES ...])
# A shared module built from SOURCES, or from every .cpp below the calling
# folder when none are given. BUILD_DEFINE switches its API macro to export.
function(zv_add_module name)
  cmake_parse_arguments(ARG "" "BUILD_DEFINE" "LINKS;SOURCES" ${ARGN})
  if(NOT ARG_SOURCES)
    file(GLOB_RECURSE ARG_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(NOT ARG_SOURCES)
      return()
    endif()
  endif()
  add_library(${name} SHARED ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
                                            $<INSTALL_INTERFACE:include>)
  target_compile_definitions(${name} PRIVATE ${ARG_BUILD_DEFINE})
  target_link_libraries(${name} PRIVATE zv_warnings ${ARG_LINKS})
  # Installed modules find each other in their own folder.
  set_target_properties(${name} PROPERTIES PREFIX "lib" INSTALL_RPATH "$ORIGIN")
  if(WIN32)
    set_target_properties(${name} PROPERTIES PREFIX "")
  endif()
endfunction()

# zv_add_test_program(NAME [LINKS ...])
# One GoogleTest program from every .cpp below the calling folder, registered
# with CTest as one test (each program costs a Wine start-up on Windows).
function(zv_add_test_program name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE zv_warnings ${ARG_LINKS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# zv_add_layer_link_check(NAME)
# A program that links every object of the static layer NAME, with nothing
# but the layers below it and the modules it names. A static library leaves
# its references open until a final link, so a reference to a layer above, or
# to a module the layer does not name, would otherwise show only there (or
# nowhere, when that final link also holds the layer above); here it fails
# the ordinary build.
function(zv_add_layer_link_check name)
  set(main ${CMAKE_BINARY_DIR}/layers/${name}_link_check.cpp)
  file(CONFIGURE OUTPUT ${main} CONTENT "int main() { return 0; }\n")
  add_executable(${name}_link_check ${main})
  target_link_libraries(${name}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>")
  set_target_properties(${name}_link_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layers)
endfunction()

# zv_add_layer(NAME FOLDER <folder of src/> [OBJECT] [BELOW <layers>...] [LINKS <targets>...])
# One folder of src/ as a library of its own. Its sources and headers see
# their own folder and the folders of the layers below it, and nothing else:
# the include root is a staging folder of links in the build tree, so an
# include of a layer above fails to build, and a reference to one fails to
# link (zv_add_layer_link_check). Every header of the folder is also compiled
# on its own, so each one includes what it needs. OBJECT makes an object
# library (the exports, which go into the shared library); otherwise a static
# one.
function(zv_add_layer name)
  cmake_parse_arguments(ARG "OBJECT" "FOLDER" "BELOW;LINKS" ${ARGN})
  set(folders ${ARG_FOLDER})
  foreach(below ${ARG_BELOW})
    get_target_property(below_folders ${below} ZV_LAYER_FOLDERS)
    list(APPEND folders ${below_folders})
  endforeach()
  list(REMOVE_DUPLICATES folders)
  set(stage ${CMAKE_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${stage})
  foreach(folder ${folders})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${stage}/${folder} SYMBOLIC)
  endforeach()

  set(dir ${PROJECT_SOURCE_DIR}/src/${ARG_FOLDER})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_(win32|posix)\\.cpp$")
  if(ARG_OBJECT)
    add_library(${name} OBJECT ${sources})
  elseif(sources)
    add_library(${name} STATIC ${sources})
  else()
    add_library(${name} INTERFACE)  # headers only, so far
  endif()
  set_target_properties(${name} PROPERTIES ZV_LAYER_FOLDERS "${folders}")
  if(sources OR ARG_OBJECT)
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${stage}> $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
                                              $<INSTALL_INTERFACE:include>)
    target_link_libraries(${name} PUBLIC ${ARG_BELOW} ${ARG_LINKS} PRIVATE $<BUILD_INTERFACE:zv_warnings>)
    if(NOT ARG_OBJECT)
      zv_add_layer_link_check(${name})
    endif()
  else()
    target_include_directories(${name} INTERFACE $<BUILD_INTERFACE:${stage}> $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
                                                 $<INSTALL_INTERFACE:include>)
    target_link_libraries(${name} INTERFACE ${ARG_BELOW} ${ARG_LINKS})
  endif()

  file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
  if(headers)
    set(checks)
    foreach(header ${headers})
      get_filename_component(base ${header} NAME_WE)
      set(check ${CMAKE_BINARY_DIR}/layers/${name}_headers/${base}.cpp)
      file(CONFIGURE OUTPUT ${check} CONTENT "#include \"${ARG_FOLDER}/${base}.h\"\n")
      list(APPEND checks ${check})
    endforeach()
    add_library(${name}_headers OBJECT ${checks})
    target_link_libraries(${name}_headers PRIVATE ${name} zv_warnings)
  endif()
endfunction()
