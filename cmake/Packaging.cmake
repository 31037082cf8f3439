# make package: a Debian package of what cmake --install installs, with /usr as the prefix
# (build/nuxc_VERSION_ARCH.deb). Its dependencies are the libraries nuxc links (found by
# dpkg-shlibdeps) and what the installed tree runs: g++ (nuxc's preprocessor and the compiler of
# the generated code), omniidl, omniORB's headers and libraries, omniNames and nameclt (which
# nuxc-run starts and asks), pkg-config and python3 (nuxc-run).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nuxc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test generation for CORBA components")
set(CPACK_PACKAGE_DESCRIPTION
    "nuxc compiles NUX test scripts and OMG IDL into C++ test programs and QOR-scripted test \
servers for omniORB; depwrite writes makefile rules for IDL files; nuxc-run runs the programs \
against a naming service of their own. With a CMake package and a pkg-config file.")
set(CPACK_PACKAGE_CONTACT "nuxc developers <nuxc@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The install rules see /usr as their prefix, so that nuxcrc.sh names /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "g++, omniidl, libomniorb4-dev, omniorb-nameserver, omniorb, pkg-config, python3")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS cmake)
include(CPack)
