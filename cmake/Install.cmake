# cmake --install build --prefix P (and the Debian package, which installs with P = /usr):
#   P/bin                      nuxc, depwrite and the runner nuxc-run
#   P/share/nuxc/bindings      the omniorb and trace bindings
#   P/share/nuxc/nuxcrc.sh     the shell set-up, written at install time for the prefix P
#   P/share/nuxc/cmake         the CMake package (find_package(nuxc CONFIG))
#   P/share/pkgconfig          nuxc-omniorb.pc, the binding's runtime for pkg-config
#   P/share/man/man1           nuxc(1), depwrite(1) and nuxc-run(1)
#   P/share/doc/nuxc           README.md, docs/ and examples/
include(CMakePackageConfigHelpers)

install(TARGETS nuxc depwrite RUNTIME DESTINATION bin)
install(PROGRAMS runner/nuxc-run DESTINATION bin)
install(DIRECTORY bindings/omniorb bindings/trace DESTINATION share/nuxc/bindings)
install(CODE "
  set(NUXC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(nuxcrc \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/nuxc/nuxcrc.sh\")
  message(STATUS \"Installing: \${nuxcrc}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/nuxcrc.sh\" \"\${nuxcrc}\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${nuxcrc}\")
")

write_basic_package_version_file(${CMAKE_BINARY_DIR}/nuxcConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES cmake/package/nuxcConfig.cmake cmake/package/nuxcFunctions.cmake
              ${CMAKE_BINARY_DIR}/nuxcConfigVersion.cmake
        DESTINATION share/nuxc/cmake)
configure_file(cmake/package/nuxc-omniorb.pc.in ${CMAKE_BINARY_DIR}/nuxc-omniorb.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/nuxc-omniorb.pc DESTINATION share/pkgconfig)

install(FILES README.md DESTINATION share/doc/nuxc)
install(DIRECTORY docs examples DESTINATION share/doc/nuxc)
