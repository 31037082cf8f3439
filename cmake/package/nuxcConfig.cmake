# nuxc's CMake package, found with find_package(nuxc CONFIG REQUIRED). It gives
#   nuxc::nuxc, nuxc::depwrite, nuxc::run   the installed programs (nuxc::run is nuxc-run)
#   nuxc::omniorb                           what a generated program compiles and links with: the
#                                           omniorb binding's runtime folder and omniDynamic4
#   NUXC_OMNIORB_BINDING                    the omniorb binding's folder
# and the functions of nuxcFunctions.cmake. Every path is found from this file's place, so an
# installed tree can be moved (or unpacked under another root) and still be used.
# The generate functions give their commands depfiles, which the Makefile generators take from
# CMake 3.20 on.
if(CMAKE_VERSION VERSION_LESS 3.20)
  set(${CMAKE_FIND_PACKAGE_NAME}_FOUND FALSE)
  set(${CMAKE_FIND_PACKAGE_NAME}_NOT_FOUND_MESSAGE "nuxc's CMake package needs CMake 3.20 or later")
  return()
endif()
get_filename_component(_nuxc_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)

set(NUXC_OMNIORB_BINDING "${_nuxc_prefix}/share/nuxc/bindings/omniorb")

find_program(NUXC_OMNIIDL_EXECUTABLE omniidl)
if(NOT NUXC_OMNIIDL_EXECUTABLE)
  set(${CMAKE_FIND_PACKAGE_NAME}_FOUND FALSE)
  set(${CMAKE_FIND_PACKAGE_NAME}_NOT_FOUND_MESSAGE
      "omniidl, the omniORB stub compiler, is not on the PATH (Debian package omniidl)")
  return()
endif()
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(nuxc_omniDynamic4 QUIET IMPORTED_TARGET omniDynamic4)
endif()
if(NOT TARGET PkgConfig::nuxc_omniDynamic4)
  set(${CMAKE_FIND_PACKAGE_NAME}_FOUND FALSE)
  set(${CMAKE_FIND_PACKAGE_NAME}_NOT_FOUND_MESSAGE
      "pkg-config does not know omniDynamic4 (Debian packages pkg-config and libomniorb4-dev)")
  return()
endif()

if(NOT TARGET nuxc::omniorb)
  foreach(program IN ITEMS nuxc depwrite run)
    add_executable(nuxc::${program} IMPORTED)
  endforeach()
  set_target_properties(nuxc::nuxc PROPERTIES IMPORTED_LOCATION "${_nuxc_prefix}/bin/nuxc")
  set_target_properties(nuxc::depwrite PROPERTIES IMPORTED_LOCATION "${_nuxc_prefix}/bin/depwrite")
  set_target_properties(nuxc::run PROPERTIES IMPORTED_LOCATION "${_nuxc_prefix}/bin/nuxc-run")

  add_library(nuxc::omniorb INTERFACE IMPORTED)
  set_target_properties(nuxc::omniorb PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${NUXC_OMNIORB_BINDING}/runtime"
    INTERFACE_LINK_LIBRARIES PkgConfig::nuxc_omniDynamic4
    INTERFACE_COMPILE_FEATURES cxx_std_17)
endif()

include("${CMAKE_CURRENT_LIST_DIR}/nuxcFunctions.cmake")
unset(_nuxc_prefix)
