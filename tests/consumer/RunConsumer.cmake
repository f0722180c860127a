# 1. The build under test (library, reference host, tools, viewer) installed into a prefix
#    with a space in its name, then moved: the installed programs still find their libraries.
# 2. A consumer of that install links the library and the host that it was built against,
#    the reference host; a program of it links the settings core alone and needs Qt Core
#    only, down to the host's part that the core links.
# 3. A library-only build against another host (a stand-in with a package of its own), with
#    Qt Svg and Qt Test out of reach, installed: its consumer links the stand-in host and
#    not the reference host.
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGV} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGV}")
  endif()
endfunction()

# Runs an installed program with no help from the environment; its output goes to VAR.
function(run_installed var)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}${errors}")
  endif()
  set(${var} "${output}" PARENT_SCOPE)
endfunction()

function(configure source build)
  run(${CMAKE_COMMAND} -S ${source} -B ${build} -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=${BUILD_TYPE} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    -DZEL_QT_MAJOR=${QT_MAJOR} ${ARGN})
endfunction()

# Builds the consumer against the install in PREFIX (more options may follow) and runs it;
# the link line goes to VAR.
function(build_consumer var build prefix)
  configure(${CONSUMER_DIR} ${build} "-DCMAKE_PREFIX_PATH=${prefix}" ${ARGN})
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} --verbose
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REGEX MATCH "[^\n]* -o consumer[ \n][^\n]*" link "${output}")
  if(NOT result EQUAL 0 OR NOT link)
    message(FATAL_ERROR "the consumer did not build against ${prefix}:\n${output}")
  endif()
  run(${build}/consumer)
  # The core does not carry the run path of a host installed in a prefix of its own: such a
  # host's folder is the loader's to know, as a deployment would set it.
  run(${CMAKE_COMMAND} -E env "LD_LIBRARY_PATH=${host_library_path}" ${build}/consumer-core)
  set(${var} "${link}" PARENT_SCOPE)
endfunction()

# 1. Installed programs.
set(installed "${WORK_DIR}/odd prefix")
set(prefix "${WORK_DIR}/moved prefix")
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix "${installed}")
file(RENAME "${installed}" "${prefix}")
if(WITH_APPS)
  run_installed(version "${prefix}/bin/zelsettings" --version)
  if(NOT version MATCHES "ZelControlCenter [0-9]")
    message(FATAL_ERROR "zelsettings --version printed no library version:\n${version}")
  endif()
  run_installed(help "${prefix}/bin/zel-viewer" --help)
  if(NOT help MATCHES "--settings")
    message(FATAL_ERROR "zel-viewer --help printed no options:\n${help}")
  endif()
  # The tour and its test library stay in the build tree.
  if(EXISTS "${prefix}/bin/zel-viewer-tour")
    message(FATAL_ERROR "the viewer's tour was installed")
  endif()
  if(READELF)
    execute_process(COMMAND ${READELF} -d "${prefix}/bin/zel-viewer" OUTPUT_VARIABLE dynamic)
    if(dynamic MATCHES "libQt[56]Test")
      message(FATAL_ERROR "the installed zel-viewer needs Qt Test:\n${dynamic}")
    endif()
  endif()
  if(READELF)
    execute_process(COMMAND ${READELF} -d "${prefix}/bin/zelsettings" OUTPUT_VARIABLE dynamic)
    string(REGEX MATCH "R(UN)?PATH[^\n]*" runpath "${dynamic}")
    string(FIND "${runpath}" "${BUILD_DIR}" in_build)
    if(NOT runpath MATCHES "\\$ORIGIN" OR NOT in_build EQUAL -1)
      message(FATAL_ERROR "zelsettings does not find its libraries by its own place: ${runpath}")
    endif()
  endif()
endif()

# 2. A consumer of that install gets the host that the library was built against.
build_consumer(link ${WORK_DIR}/consumer-installed "${prefix}")
if(WITH_REFHOST AND NOT link MATCHES "libZelRefHost")
  message(FATAL_ERROR "the reference host is missing from the link line:\n${link}")
endif()
if(WITH_REFHOST AND READELF)
  file(GLOB core_chain "${prefix}/lib/libZelSettingsCore.so.*.*"
    "${prefix}/lib/libZelRefHostCore.so.*.*")
  foreach(binary ${WORK_DIR}/consumer-installed/consumer-core ${core_chain})
    execute_process(COMMAND ${READELF} -d ${binary} OUTPUT_VARIABLE dynamic)
    if(NOT dynamic MATCHES "Qt[56]Core" OR dynamic MATCHES "Qt[56](Gui|Widgets)")
      message(FATAL_ERROR "${binary} should need Qt Core alone:\n${dynamic}")
    endif()
  endforeach()
endif()

# 3. The library alone, against a host of another name.
set(standin ${WORK_DIR}/standin)
configure(${STANDIN_DIR} ${WORK_DIR}/standin-build -DZEL_SOURCE_DIR=${SOURCE_DIR})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/standin-build)
run(${CMAKE_COMMAND} --install ${WORK_DIR}/standin-build --prefix ${standin})

set(library ${WORK_DIR}/library-only)
configure(${SOURCE_DIR} ${WORK_DIR}/library-build
  -DZEL_BUILD_TESTS=OFF -DZEL_BUILD_APPS=OFF -DZEL_BUILD_BENCHMARKS=OFF
  -DZEL_HOST_TARGET=StandIn::Host -DZEL_HOST_PACKAGE=ZelStandInHost
  -DCMAKE_PREFIX_PATH=${standin}
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt${QT_MAJOR}Svg=ON
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt${QT_MAJOR}Test=ON)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/library-build)
run(${CMAKE_COMMAND} --install ${WORK_DIR}/library-build --prefix ${library})

set(host_library_path ${standin}/lib)
build_consumer(link ${WORK_DIR}/consumer-standin ${library}
  -DZelStandInHost_DIR=${standin}/lib/cmake/ZelStandInHost)
if(link MATCHES "ZelRefHost" OR NOT link MATCHES "libStandInHost")
  message(FATAL_ERROR "the consumer should link the stand-in host only:\n${link}")
endif()
