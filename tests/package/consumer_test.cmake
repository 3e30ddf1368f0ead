# Installs the build into a scratch prefix, then builds the consumer against
# it twice (find_package, then pkg-config) and runs both programs.
#   BUILD_DIR SOURCE WORK CXX CXX_FLAGS TOOLCHAIN EMULATOR GENERATOR
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)

function(zv_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
endfunction()

# A consumer program runs from its own folder; on Windows the DLLs are found
# through WINEPATH in the prefix's bin folder.
function(zv_run_consumer exe)
  if(EMULATOR)
    set(ENV{WINEPATH} ${prefix}/bin)
    zv_run(${EMULATOR} ${exe})
  else()
    zv_run(${exe})
  endif()
endfunction()

zv_run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# 1. find_package(zvk_scn_2d CONFIG REQUIRED)
file(GLOB package_dir ${prefix}/lib*/cmake/zvk_scn_2d ${prefix}/lib/*/cmake/zvk_scn_2d)
set(configure ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/cmake -G ${GENERATOR} -Dzvk_scn_2d_DIR=${package_dir}
    -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" -DCMAKE_BUILD_TYPE=Release)
if(TOOLCHAIN)
  list(APPEND configure -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()
zv_run(${configure})
zv_run(${CMAKE_COMMAND} --build ${WORK}/cmake)
if(TOOLCHAIN)
  zv_run_consumer(${WORK}/cmake/zv_consumer.exe)
else()
  zv_run_consumer(${WORK}/cmake/zv_consumer)
endif()

# 2. pkg-config, looking only into the prefix.
find_program(PKG_CONFIG pkg-config REQUIRED)
file(GLOB pc_dir ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
set(ENV{PKG_CONFIG_LIBDIR} ${pc_dir})
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs zvk_scn_2d zvk_entity
                OUTPUT_VARIABLE pc_flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pkg-config found no zvk_scn_2d in ${pc_dir}")
endif()
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
separate_arguments(extra UNIX_COMMAND "${CXX_FLAGS}")
set(exe ${WORK}/pkg-config/zv_consumer)
if(TOOLCHAIN)
  set(exe ${exe}.exe)
else()
  list(APPEND extra -Wl,-rpath,${pc_dir}/..)
endif()
file(MAKE_DIRECTORY ${WORK}/pkg-config)
zv_run(${CXX} ${extra} ${SOURCE}/main.cpp -o ${exe} ${pc_flags})
zv_run_consumer(${exe})
