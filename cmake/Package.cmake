# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of what `cmake --install` puts in place,
# under /usr. Its libraries' packages come from dpkg-shlibdeps; what the
# tools run or the desktop offers is recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sweepwright)
set(CPACK_PACKAGE_VENDOR "The Sweepwright developers")
set(CPACK_PACKAGE_CONTACT "The Sweepwright developers <maintainers@sweepwright.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop maintenance utility")
set(CPACK_PACKAGE_DESCRIPTION "Finds and removes junk, large and duplicate files, uninstalls \
applications with their leftovers, manages browser extensions and login items, shows memory and \
disk use, shreds files, extracts archives and winmail.dat files and compresses PDF documents. \
Comes with sweepwright-cli, which drives the same tools from a terminal.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://sweepwright.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-wayland, 7zip | p7zip-full, ghostscript, xdg-utils, polkitd | policykit-1, pkexec | policykit-1, packagekit")
include(CPack)
