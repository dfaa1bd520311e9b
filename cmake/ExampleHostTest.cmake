# Run by the example_host test (cmake -P): installs this build into a prefix
# inside it, builds examples/host against that prefix alone (same compiler,
# launcher and build type, so that a second run is quick) and runs the host
# on a job file and on a new job. Expects BUILD_DIR, SOURCE_DIR, WORK_DIR,
# CXX, LAUNCHER, BUILD_TYPE.
set(prefix ${WORK_DIR}/prefix)

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

# Headers of an earlier install that the component no longer installs must
# not make the example compile.
file(REMOVE_RECURSE ${prefix}/include)
# Stripped, as the Debian package ships the archives.
run_step("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --strip)
run_step("configure" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/host -B ${WORK_DIR}/build
  -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX}
  -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER} -DCMAKE_BUILD_TYPE=${BUILD_TYPE})
run_step("build" ${CMAKE_COMMAND} --build ${WORK_DIR}/build -j2)

# A job keeps its identity; a new job gets the sensor of the installed pattern.
run_step("host on a job" ${WORK_DIR}/build/veltrano-host ${SOURCE_DIR}/examples/jobs/existing-job.xml)
foreach(expected "<JobDefinition" "DISK-VAR" "<Sensor" "<EvalData")
  string(FIND "${step_output}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the host printed no ${expected}:\n${step_output}")
  endif()
endforeach()
run_step("host on a new job" ${WORK_DIR}/build/veltrano-host)
string(FIND "${step_output}" "<EvaluationData" at)
if(at EQUAL -1)
  message(FATAL_ERROR "a new job got no sensor from the installed pattern:\n${step_output}")
endif()

# The same host built without CMake, from the installed pkg-config file alone.
find_program(PKG_CONFIG pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
run_step("pkg-config" ${PKG_CONFIG} --cflags --libs veltrano)
separate_arguments(pc_flags UNIX_COMMAND "${step_output}")
run_step("pkg-config datadir" ${PKG_CONFIG} --variable=datadir veltrano)
string(STRIP "${step_output}" data_dir)
run_step("build with pkg-config" ${LAUNCHER} ${CXX} -std=c++20 ${SOURCE_DIR}/examples/host/main.cpp
  -o ${WORK_DIR}/pkgconfig-host "-DVELTRANO_DATA_DIR=\"${data_dir}\"" ${pc_flags})
run_step("pkg-config host on a new job" ${WORK_DIR}/pkgconfig-host)
string(FIND "${step_output}" "<EvaluationData" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the host built with pkg-config got no sensor from the installed pattern:\n${step_output}")
endif()
