# add_blackbox_cases(<dir>): registers every case directory below <dir> (a directory holding a
# file named "cmd") as one ctest test, run by tests/run_case.py against the built programs.
# NUXC_PYTHON runs every Python script of the build and the tests: the system's interpreter,
# never one found on PATH, where a version manager's shim takes a third of a second to start, at
# every case.
set(NUXC_PYTHON /usr/bin/python3)
if(NOT EXISTS ${NUXC_PYTHON})
  message(FATAL_ERROR "The build and the tests run ${NUXC_PYTHON}, which this machine lacks: "
                      "install Debian's python3 package (scripts/bootstrap does).")
endif()

function(add_blackbox_cases dir)
  file(GLOB_RECURSE cmd_files CONFIGURE_DEPENDS "${dir}/*/cmd")
  foreach(cmd_file ${cmd_files})
    get_filename_component(case_dir "${cmd_file}" DIRECTORY)
    file(RELATIVE_PATH case_name "${CMAKE_SOURCE_DIR}/tests" "${case_dir}")
    add_test(NAME "${case_name}"
             COMMAND ${NUXC_PYTHON} ${CMAKE_SOURCE_DIR}/tests/run_case.py
                     --bin ${CMAKE_BINARY_DIR} --src ${CMAKE_SOURCE_DIR} ${case_dir})
  endforeach()
endfunction()

# The runner's --update (make update-cases) on cases of its own: what passes stays untouched,
# what differs is rewritten, a crash is refused.
add_test(NAME run_case/update
         COMMAND ${NUXC_PYTHON} ${CMAKE_SOURCE_DIR}/tests/run_case_update_test.py
                 ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
