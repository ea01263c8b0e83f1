# Debian's build flags for every program and library, as Debian builds its own packages:
# _FORTIFY_SOURCE, the stack protector, format checks, read-only relocations bound at start
# (PIE is the compiler's default there). They come from dpkg-buildflags with all hardening
# features on, so the package and the tests run the same hardened code. Optimised builds
# only: _FORTIFY_SOURCE needs optimisation, and a Debug build stays as the developer set it.

option(RV_DEBIAN_FLAGS "Build with dpkg-buildflags' hardening flags where dpkg is present" ON)
find_program(RV_DPKG_BUILDFLAGS dpkg-buildflags)
if(RV_DEBIAN_FLAGS AND RV_DPKG_BUILDFLAGS AND NOT MSVC AND NOT RV_FUZZ
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  function(rv_debian_flags name out)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${RV_DPKG_BUILDFLAGS} --get ${name}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "dpkg-buildflags --get ${name} failed (${status})")
    endif()
    set(${out} "${flags}" PARENT_SCOPE)
  endfunction()
  rv_debian_flags(CPPFLAGS cppflags)
  rv_debian_flags(CFLAGS cflags)
  rv_debian_flags(CXXFLAGS cxxflags)
  rv_debian_flags(LDFLAGS ldflags)
  # The checkout's own path stays out of the flags, so that a compiler cache serves every
  # checkout of the tree alike.
  foreach(var cflags cxxflags cppflags)
    string(REGEX REPLACE "-f(file|debug)-prefix-map=[^ ]*" "" ${var} "${${var}}")
  endforeach()
  # First on the command line, so that the build type's own optimisation level still wins.
  string(PREPEND CMAKE_C_FLAGS "${cflags} ${cppflags} ")
  string(PREPEND CMAKE_CXX_FLAGS "${cxxflags} ${cppflags} ")
  string(PREPEND CMAKE_EXE_LINKER_FLAGS "${ldflags} ")
  string(PREPEND CMAKE_SHARED_LINKER_FLAGS "${ldflags} ")
  message(STATUS "Debian build flags: ${cxxflags} ${cppflags} / ${ldflags}")
endif()
