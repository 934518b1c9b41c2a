# Read by cpack before it packs. Without dpkg-shlibdeps CPack would leave the libraries out of the package's
# dependencies: a package that installs but cannot start.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(shlibdeps dpkg-shlibdeps)
  if(NOT shlibdeps)
    message(FATAL_ERROR "dpkg-shlibdeps is missing: install the Debian package dpkg-dev to build the package.")
  endif()
endif()
