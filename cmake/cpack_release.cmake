# Read by CPack when it packs (CPACK_PROJECT_CONFIG_FILE). A cross build's
# package (its architecture set) has its dependencies found among that
# architecture's libraries, as dpkg-shlibdeps does for DEB_HOST_ARCH.
if(CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
  set(ENV{DEB_HOST_ARCH} ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
endif()
# A release names the commit it was made from in the package's
# description. The release's packing says which in RGBHSV_RELEASE_COMMIT;
# other packages name none.
if(DEFINED ENV{RGBHSV_RELEASE_COMMIT})
  string(APPEND CPACK_PACKAGE_DESCRIPTION
         "\n\nThis is release ${CPACK_PACKAGE_VERSION}, made from commit\n$ENV{RGBHSV_RELEASE_COMMIT}.")
endif()
