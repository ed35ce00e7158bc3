# Installs the built library into a scratch prefix, then configures, builds and
# runs the example host (examples/host) against that prefix.
# -D BUILD_DIR, SOURCE_DIR, WORK_DIR, GENERATOR, CXX_COMPILER, SANITIZE
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
set(flags "")
if(SANITIZE)
  set(flags "-fsanitize=address,undefined -fno-omit-frame-pointer")
endif()
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_CXX_FLAGS=${flags}" "-DCMAKE_EXE_LINKER_FLAGS=${flags}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
# An installation folder of its own, so the viewer reads no registry file.
file(MAKE_DIRECTORY ${WORK_DIR}/installation)
set(ENV{LOGVIEW_INSTALL} ${WORK_DIR}/installation)
run(${WORK_DIR}/build/logview-example-host)
