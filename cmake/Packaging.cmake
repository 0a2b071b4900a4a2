# The Debian package: `cpack -G DEB` in a release build (tools/package).
# It holds what the install rules install, under /usr.
set(CPACK_PACKAGE_NAME "pennywell")
set(CPACK_PACKAGE_VENDOR "The Pennywell developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal money book with budget analysis")
set(CPACK_PACKAGE_DESCRIPTION [=[
Pennywell keeps a book of dated income and outgoing transactions, each
with a whole-number amount, a type of your own and a comment, in one file.
Over a range of dates it answers the balance, the share of each type, and
how much of a budget may still be spent on each remaining day.]=])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Free software under the GNU GPL, version 3 or later (SPDX: GPL-3.0-or-later);
# the package's copyright file says so in Debian's machine-readable form.
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pennywell developers <pennywell@example.org>")
# The libraries the programs link are found by dpkg-shlibdeps (dpkg-dev)
# from the binaries themselves, with the versions the build saw.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binaries don't show. Qt loads its Wayland platform at run time
# (the X11 and offscreen ones come with libqt6gui6), and a book's texts in
# any language show boxes for the characters no installed font has: Noto CJK
# holds the Chinese (traditional and simplified), Japanese and Korean ones,
# Noto Color Emoji the emoji. Latin, Greek and Cyrillic come with DejaVu,
# which fontconfig itself depends on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-noto-color-emoji, qt6-wayland")
# The desktop's caches of menu entries and file types are refreshed by the
# dpkg triggers of these packages when files land in their folders.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "desktop-file-utils, shared-mime-info")

include(CPack)
