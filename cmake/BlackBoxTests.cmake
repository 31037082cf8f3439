# add_blackbox_cases(<dir>): registers every case directory below <dir> (a directory holding a
# file named "cmd") as one ctest test, run by tests/run_case.py against the built programs.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(add_blackbox_cases dir)
  file(GLOB_RECURSE cmd_files CONFIGURE_DEPENDS "${dir}/*/cmd")
  foreach(cmd_file ${cmd_files})
    get_filename_component(case_dir "${cmd_file}" DIRECTORY)
    file(RELATIVE_PATH case_name "${CMAKE_SOURCE_DIR}/tests" "${case_dir}")
    add_test(NAME "${case_name}"
             COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/run_case.py
                     --bin ${CMAKE_BINARY_DIR} --src ${CMAKE_SOURCE_DIR} ${case_dir})
  endforeach()
endfunction()
