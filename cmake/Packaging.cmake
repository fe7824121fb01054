# The Debian package: `cpack -G DEB` in the build folder makes titleshaperworkshop_<version>_<arch>.deb.
# Its dependencies are read from the program's linked libraries by dpkg-shlibdeps (package dpkg-dev), so
# they follow whatever Qt the build used.
set(TSW_PACKAGE_NAME "titleshaperworkshop")

set(CPACK_PACKAGE_NAME ${TSW_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Title Shaper Workshop")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TSW_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rename many files of one folder at a time")
set(CPACK_PACKAGE_DESCRIPTION
    "Title Shaper Workshop renames many files of one folder at a time. Pick a folder
in the folder tree and its files fill a grid of old and new names. New names
come from typing, from the clipboard, or from three transformations applied to
every name: replace a piece of text, delete a piece of text, or add text at the
beginning, the end or a numbered position.
.
Preview fills in and checks the new names before Go renames the files. A file
is never overwritten, and the last Go can be undone.")
# The installed program strips its debugging symbols, as Debian's policy asks of a binary package.
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_NAME ${TSW_PACKAGE_NAME})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TSW_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Directories in the package belong to root with the usual modes, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
