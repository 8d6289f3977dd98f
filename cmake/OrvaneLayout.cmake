include_guard(GLOBAL)

# Where things live, in the build tree and once installed. The programs find their files relative
# to their own executable, so these folders are fixed rather than taken from GNUInstallDirs: the
# program's directory is ../share/orvane beside bin/, the network port library in ../lib.

# The project's run-time libraries (the network port library) in the build tree.
set(ORVANE_LIBRARY_OUTPUT_DIR ${PROJECT_BINARY_DIR}/lib CACHE INTERNAL "run-time library folder")
# Programs load libvlmnppm.so by name: its folder is on every program's run path in the build tree.
list(APPEND CMAKE_BUILD_RPATH ${ORVANE_LIBRARY_OUTPUT_DIR})

set(ORVANE_INSTALL_BINDIR bin)
# "The program's directory" of the installed layout: model list and language modules.
set(ORVANE_INSTALL_PROGRAM_DIR share/orvane)
# A private library folder, not the system's: nothing but our programs loads the library. Under the
# multiarch folder, so that the package needs no ldconfig call either.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(ORVANE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/orvane)
else()
  set(ORVANE_INSTALL_LIBDIR lib/orvane)
endif()
set(ORVANE_INSTALL_DATADIR share)
set(ORVANE_INSTALL_MANDIR share/man)

# Install components: the program itself, and the virtual printer for trying it without hardware.
set(ORVANE_COMPONENT_PROGRAM orvane)
set(ORVANE_COMPONENT_SIMULATOR simulator)

# orvane_install_program(target COMPONENT component)
# Installs a program that loads the network port library into bin/, with the private library
# folder on its run path relative to the executable, so an unpacked or moved tree works as well.
function(orvane_install_program target)
  cmake_parse_arguments(P "" "COMPONENT" "" ${ARGN})
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/../${ORVANE_INSTALL_LIBDIR}")
  install(TARGETS ${target} RUNTIME DESTINATION ${ORVANE_INSTALL_BINDIR} COMPONENT ${P_COMPONENT})
endfunction()
