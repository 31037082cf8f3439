# cmake --install build --prefix P (and the Debian package, which installs with P = /usr):
#   P/bin                      nuxc, depwrite and the runner nuxc-run
#   P/share/nuxc/bindings      the omniorb and trace bindings
#   P/share/nuxc/nuxcrc.sh     the shell set-up, written at install time for the prefix P
#   P/share/nuxc/cmake         the CMake package (find_package(nuxc CONFIG))
#   P/share/pkgconfig          nuxc-omniorb.pc, the binding's runtime for pkg-config
#   P/share/man/man1           nuxc(1), depwrite(1) and nuxc-run(1), made from the docs
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

# The man pages are made from the sections of docs/command-line.md at build time, so that the
# page a user reads with man and the page of the docs are one text.
set(man_pages
  "nuxc|compile NUX test scripts and IDL files into test programs and servers"
  "depwrite|print a makefile fragment for the IDL files of the current folder"
  "nuxc-run|run generated servers and clients against a naming service of their own")
set(man_outputs)
foreach(page IN LISTS man_pages)
  string(REPLACE "|" ";" page "${page}")
  list(GET page 0 name)
  list(GET page 1 summary)
  set(see_also nuxc depwrite nuxc-run)
  list(REMOVE_ITEM see_also ${name})
  list(TRANSFORM see_also PREPEND "--see-also=")
  set(output ${CMAKE_BINARY_DIR}/man/${name}.1)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${NUXC_PYTHON} ${CMAKE_SOURCE_DIR}/scripts/md2man --name ${name}
            --summary ${summary} --version ${PROJECT_VERSION} ${see_also}
            ${CMAKE_SOURCE_DIR}/docs/command-line.md ${output}
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/md2man ${CMAKE_SOURCE_DIR}/docs/command-line.md
    COMMENT "Writing the man page ${name}(1)"
    VERBATIM)
  list(APPEND man_outputs ${output})
endforeach()
add_custom_target(man-pages ALL DEPENDS ${man_outputs})
install(FILES ${man_outputs} DESTINATION share/man/man1)

install(FILES README.md DESTINATION share/doc/nuxc)
install(DIRECTORY docs examples DESTINATION share/doc/nuxc PATTERN .gitignore EXCLUDE)
