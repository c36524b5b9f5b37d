# The Debian package lockwell_VERSION_ARCH.deb, built by "make package" (cpack
# in the build folder) from the installed files. The run-time dependencies are
# read from the program's shared libraries by dpkg-shlibdeps; the reports add
# the Liberation fonts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lockwell)
set(CPACK_PACKAGE_VENDOR "The Lockwell developers")
set(CPACK_PACKAGE_CONTACT "The Lockwell developers <lockwell@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "password manager with encrypted password databases")
set(CPACK_PACKAGE_DESCRIPTION
    "Lockwell keeps groups of accounts, each with an ID, a password, a web\n"
    "address, notes and an expiry date, in password databases that are\n"
    "encrypted with AES-256 (SQLCipher) and unlocked with a master password.\n"
    "It generates passwords, searches all accounts, prints reports, lists\n"
    "expired passwords, backs databases up and logs every unlock.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lockwell.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
# Files owned by root whatever the user who builds the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
