# The functions of nuxc's CMake package (docs/using-cmake.md shows them at work):
#   nuxc_add_stubs(<target> <file.idl>... [INCLUDE_DIRECTORIES <dir>...] [OMNIIDL_OPTIONS <opt>...])
#   nuxc_add_server(<target> IDL <file.idl> STUBS <target>... [SCRIPT <file.nux>] [QOR <file>...]
#                   [INCLUDE_DIRECTORIES <dir>...] [NUXC_OPTIONS <opt>...] [BINDING <dir>])
#   nuxc_add_client(<target> SCRIPT <file.nux> [STUBS <target>...] [QOR <file>...]
#                   [NUXC_OPTIONS <opt>...] [BINDING <dir>])
#   nuxc_add_test(<name> [SERVERS <target>...] [CLIENTS <target>...] [NAMING_SERVICE <fixture>]
#                 [TIMEOUT <s>] [READY_TIMEOUT <s>] [CLIENT_TIMEOUT <s>]
#                 [REPORT_DIRECTORY <dir>] [RUNNER_OPTIONS <opt>...])
# Generated files go to a folder of the target's own in the build tree. The IDL files that an IDL
# file includes are found by the C++ compiler's preprocessor, run as nuxc runs its own, and
# written to a depfile, so that editing one rebuilds what depends on it.

# What omniidl writes for X.idl: X.hh, XS.cc (stubs and skeletons) and XC.cc (the Any
# operators, which the runtime uses to print and compare values).
set(_NUXC_OMNIIDL_FLAGS -bcxx -Wbh=.hh -Wbs=S.cc -Wbd=C.cc -Wba)

function(_nuxc_absolute_paths out)
  set(paths)
  foreach(path IN LISTS ARGN)
    get_filename_component(path "${path}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND paths "${path}")
  endforeach()
  set(${out} "${paths}" PARENT_SCOPE)
endfunction()

function(_nuxc_include_flags out)
  _nuxc_absolute_paths(folders ${ARGN})
  list(TRANSFORM folders PREPEND "-I")
  set(${out} "${folders}" PARENT_SCOPE)
endfunction()

# A command that writes DEPFILE: OUTPUT depends on IDL and on every file it includes, found with
# the preprocessor options given (-D, -U and -I words of OPTIONS count).
function(_nuxc_idl_depfile_command out idl output depfile)
  if(NOT CMAKE_CXX_COMPILER)
    message(FATAL_ERROR "nuxc: enable the CXX language before using nuxc's functions")
  endif()
  set(options ${ARGN})
  list(FILTER options INCLUDE REGEX "^-[DUI]")
  set(${out} "${CMAKE_CXX_COMPILER}" -E -M -MT "${output}" -MF "${depfile}" -x c++
             ${options} "${idl}" PARENT_SCOPE)
endfunction()

# The source and header extensions of BINDING: the first two lines of its "extensions" file that
# are not comments; "none" for the header means that the binding writes none.
function(_nuxc_binding_extensions binding out_source out_header)
  if(NOT EXISTS "${binding}/extensions")
    message(FATAL_ERROR "nuxc: ${binding} is not a binding: it has no file \"extensions\"")
  endif()
  file(STRINGS "${binding}/extensions" lines)
  list(FILTER lines EXCLUDE REGEX "^#")
  list(GET lines 0 source)
  list(GET lines 1 header)
  set(${out_source} "${source}" PARENT_SCOPE)
  set(${out_header} "${header}" PARENT_SCOPE)
endfunction()

# The outputs of one nuxc run on an input named as INPUT in the generation folder, named as nuxc
# names them there: the input's base, SUFFIX ("_i" for an IDL file) and the binding's extensions.
function(_nuxc_outputs out binding input suffix)
  _nuxc_binding_extensions("${binding}" source_extension header_extension)
  get_filename_component(folder "${input}" DIRECTORY)
  get_filename_component(stem "${input}" NAME_WLE)
  set(outputs "${folder}/${stem}${suffix}${source_extension}")
  if(NOT header_extension STREQUAL "none")
    list(APPEND outputs "${folder}/${stem}${suffix}${header_extension}")
  endif()
  set(${out} "${outputs}" PARENT_SCOPE)
endfunction()

function(nuxc_add_stubs target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "INCLUDE_DIRECTORIES;OMNIIDL_OPTIONS")
  if(NOT arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "nuxc_add_stubs(${target}): no IDL file given")
  endif()
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/${target}.stubs")
  file(MAKE_DIRECTORY "${folder}")
  _nuxc_absolute_paths(idl_files ${arg_UNPARSED_ARGUMENTS})
  set(sources)
  foreach(idl IN LISTS idl_files)
    get_filename_component(stem "${idl}" NAME_WLE)
    get_filename_component(idl_folder "${idl}" DIRECTORY)
    _nuxc_include_flags(includes "${idl_folder}" ${arg_INCLUDE_DIRECTORIES})
    set(outputs "${folder}/${stem}.hh" "${folder}/${stem}S.cc" "${folder}/${stem}C.cc")
    _nuxc_idl_depfile_command(depend "${idl}" "${folder}/${stem}.hh" "${folder}/${stem}.d"
                              ${includes} ${arg_OMNIIDL_OPTIONS})
    add_custom_command(
      OUTPUT ${outputs}
      COMMAND ${depend}
      COMMAND "${NUXC_OMNIIDL_EXECUTABLE}" ${_NUXC_OMNIIDL_FLAGS} ${includes} ${arg_OMNIIDL_OPTIONS}
              "-C${folder}" "${idl}"
      DEPENDS "${idl}"
      DEPFILE "${folder}/${stem}.d"
      COMMENT "omniidl: stubs of ${stem}.idl"
      VERBATIM)
    list(APPEND sources "${folder}/${stem}S.cc" "${folder}/${stem}C.cc")
  endforeach()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC "${folder}")
  target_link_libraries(${target} PUBLIC nuxc::omniorb)
endfunction()

# Runs nuxc on INPUT with its outputs written to FOLDER (-o), from SCRIPT_FOLDER, so that the
# script's "use" lines and the preprocessor's "-I." find the files beside the script. PREPARE are
# the commands that make copies of the inputs where nuxc needs them side by side.
function(_nuxc_generate target binding input folder outputs depends depfile_command)
  cmake_parse_arguments(PARSE_ARGV 7 arg "" "SCRIPT_FOLDER;DEPFILE;COMMENT"
                        "PREPARE;NUXC_OPTIONS")
  set(depfile_arguments)
  if(arg_DEPFILE)
    set(depfile_arguments DEPFILE "${arg_DEPFILE}")
  endif()
  add_custom_command(
    OUTPUT ${outputs}
    ${arg_PREPARE}
    ${depfile_command}
    COMMAND "${CMAKE_COMMAND}" -E env "NUXC_BINDING=${binding}"
            "$<TARGET_FILE:nuxc::nuxc>" ${arg_NUXC_OPTIONS} -o "${folder}" "${input}"
    WORKING_DIRECTORY "${arg_SCRIPT_FOLDER}"
    DEPENDS ${depends} "$<TARGET_FILE:nuxc::nuxc>"
    ${depfile_arguments}
    COMMENT "${arg_COMMENT}"
    VERBATIM)
endfunction()

# The options common to servers and clients: the binding (default: the omniorb one) and the
# folder of the target's generated files.
macro(_nuxc_common_arguments)
  if(NOT arg_BINDING)
    set(arg_BINDING "${NUXC_OMNIORB_BINDING}")
  endif()
  _nuxc_absolute_paths(arg_BINDING "${arg_BINDING}")
  _nuxc_absolute_paths(qor_files ${arg_QOR})
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/${target}.nuxc")
  file(MAKE_DIRECTORY "${folder}")
endmacro()

function(nuxc_add_server target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "IDL;SCRIPT;BINDING"
                        "STUBS;QOR;INCLUDE_DIRECTORIES;NUXC_OPTIONS")
  if(NOT arg_IDL OR NOT arg_STUBS)
    message(FATAL_ERROR "nuxc_add_server(${target}): IDL and STUBS are required")
  endif()
  _nuxc_common_arguments()
  _nuxc_absolute_paths(idl "${arg_IDL}")
  get_filename_component(stem "${idl}" NAME_WLE)
  get_filename_component(idl_folder "${idl}" DIRECTORY)
  if(NOT arg_SCRIPT)
    set(arg_SCRIPT "${idl_folder}/${stem}.nux")
  endif()
  _nuxc_absolute_paths(script "${arg_SCRIPT}")
  get_filename_component(script_folder "${script}" DIRECTORY)
  # nuxc takes the companion script from beside the IDL file, named like it: another script is
  # compiled from copies of both, made side by side in the target's folder.
  set(input "${idl}")
  set(prepare)
  if(NOT script STREQUAL "${idl_folder}/${stem}.nux")
    set(input "${folder}/${stem}.idl")
    set(prepare PREPARE COMMAND "${CMAKE_COMMAND}" -E copy "${idl}" "${input}"
                        COMMAND "${CMAKE_COMMAND}" -E copy "${script}" "${folder}/${stem}.nux")
  endif()
  _nuxc_outputs(outputs "${arg_BINDING}" "${folder}/${stem}.idl" "_i")
  list(GET outputs 0 source)
  # The preprocessor of nuxc searches "-I." (the script's folder) first, then the IDL's folder.
  _nuxc_include_flags(includes "${idl_folder}" ${arg_INCLUDE_DIRECTORIES})
  set(search "-I${script_folder}" ${includes})
  list(REMOVE_DUPLICATES search)
  _nuxc_idl_depfile_command(depend "${idl}" "${source}" "${folder}/${stem}_i.d"
                            -DIDL ${search} ${arg_NUXC_OPTIONS})
  _nuxc_generate(${target} "${arg_BINDING}" "${input}" "${folder}" "${outputs}"
                 "${idl};${script};${qor_files}" "COMMAND;${depend}" ${prepare}
                 NUXC_OPTIONS ${includes} ${arg_NUXC_OPTIONS}
                 SCRIPT_FOLDER "${script_folder}"
                 DEPFILE "${folder}/${stem}_i.d"
                 COMMENT "nuxc: the server ${target} from ${stem}.idl")
  add_executable(${target} ${outputs})
  target_link_libraries(${target} PRIVATE ${arg_STUBS} nuxc::omniorb)
endfunction()

function(nuxc_add_client target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SCRIPT;BINDING" "STUBS;QOR;NUXC_OPTIONS")
  if(NOT arg_SCRIPT)
    message(FATAL_ERROR "nuxc_add_client(${target}): SCRIPT is required")
  endif()
  _nuxc_common_arguments()
  _nuxc_absolute_paths(script "${arg_SCRIPT}")
  get_filename_component(script_folder "${script}" DIRECTORY)
  get_filename_component(script_name "${script}" NAME)
  _nuxc_outputs(outputs "${arg_BINDING}" "${folder}/${script_name}" "")
  _nuxc_generate(${target} "${arg_BINDING}" "${script}" "${folder}" "${outputs}"
                 "${script};${qor_files}" ""
                 NUXC_OPTIONS ${arg_NUXC_OPTIONS}
                 SCRIPT_FOLDER "${script_folder}"
                 COMMENT "nuxc: the client ${target} from ${script_name}")
  add_executable(${target} ${outputs})
  target_link_libraries(${target} PRIVATE ${arg_STUBS} nuxc::omniorb)
endfunction()

# The tests that start and stop the naming service of FIXTURE, registered once per fixture; its
# state (PID, address, port) is kept in FOLDER.
function(_nuxc_naming_service_fixture fixture folder)
  get_property(known GLOBAL PROPERTY _NUXC_NAMING_FIXTURES)
  if(fixture IN_LIST known)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY _NUXC_NAMING_FIXTURES "${fixture}")
  add_test(NAME "${fixture}/start" COMMAND nuxc::run --start-naming-service "${folder}")
  add_test(NAME "${fixture}/stop" COMMAND nuxc::run --stop-naming-service "${folder}")
  set_tests_properties("${fixture}/start" PROPERTIES FIXTURES_SETUP "${fixture}" TIMEOUT 120)
  set_tests_properties("${fixture}/stop" PROPERTIES FIXTURES_CLEANUP "${fixture}" TIMEOUT 60)
endfunction()

function(nuxc_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg ""
                        "NAMING_SERVICE;TIMEOUT;READY_TIMEOUT;CLIENT_TIMEOUT;REPORT_DIRECTORY"
                        "SERVERS;CLIENTS;RUNNER_OPTIONS")
  if(NOT arg_SERVERS AND NOT arg_CLIENTS)
    message(FATAL_ERROR "nuxc_add_test(${name}): give SERVERS, CLIENTS or both")
  endif()
  foreach(option_default IN ITEMS TIMEOUT:300 READY_TIMEOUT:30 CLIENT_TIMEOUT:120
                                  "REPORT_DIRECTORY:${CMAKE_BINARY_DIR}/nuxc-reports")
    string(REGEX MATCH "^[^:]+" option "${option_default}")
    string(REGEX REPLACE "^[^:]+:" "" default "${option_default}")
    if(NOT DEFINED arg_${option})
      set(arg_${option} "${default}")
    endif()
  endforeach()
  # A naming service of the test's own, unless tests share one: these then take turns, since
  # servers publishing under the same names would replace each other's objects.
  set(fixture "${arg_NAMING_SERVICE}")
  if(NOT fixture)
    set(fixture "${name}/naming-service")
  endif()
  string(MAKE_C_IDENTIFIER "${fixture}" fixture_folder)
  _nuxc_naming_service_fixture("${fixture}" "${CMAKE_BINARY_DIR}/nuxc-naming/${fixture_folder}")

  string(MAKE_C_IDENTIFIER "${name}" run_folder)
  _nuxc_absolute_paths(reports "${arg_REPORT_DIRECTORY}/${run_folder}")
  set(programs)
  foreach(server IN LISTS arg_SERVERS)
    list(APPEND programs --server "$<TARGET_FILE:${server}>")
  endforeach()
  foreach(client IN LISTS arg_CLIENTS)
    list(APPEND programs --client "$<TARGET_FILE:${client}>")
  endforeach()
  add_test(NAME "${name}"
           COMMAND nuxc::run --naming-service "${CMAKE_BINARY_DIR}/nuxc-naming/${fixture_folder}"
                   --work "${CMAKE_CURRENT_BINARY_DIR}/nuxc-runs/${run_folder}"
                   --report-dir "${reports}" --ready-timeout ${arg_READY_TIMEOUT}
                   --client-timeout ${arg_CLIENT_TIMEOUT} ${arg_RUNNER_OPTIONS} ${programs})
  set_tests_properties("${name}" PROPERTIES FIXTURES_REQUIRED "${fixture}"
                       TIMEOUT ${arg_TIMEOUT})
  if(arg_NAMING_SERVICE)
    set_tests_properties("${name}" PROPERTIES RESOURCE_LOCK "${fixture}")
  endif()
endfunction()
