# Run at install time (install(CODE)): writes veltrano.pc for the prefix being
# installed to, naming the resource objects as they were installed. Expects
# VT_PC_TEMPLATE, VT_PC_LIBS, CMAKE_INSTALL_LIBDIR, VT_INSTALL_INCLUDEDIR,
# VT_INSTALL_DATADIR and PROJECT_VERSION.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(GLOB_RECURSE objects RELATIVE "${root}/${CMAKE_INSTALL_LIBDIR}"
  "${root}/${CMAKE_INSTALL_LIBDIR}/veltrano-objects/*/qrc_*.o")
set(vt_pc_objects "")
foreach(object IN LISTS objects)
  string(APPEND vt_pc_objects " \${libdir}/${object}")
endforeach()
string(STRIP "${vt_pc_objects}" vt_pc_objects)
set(vt_pc_libs "${VT_PC_LIBS}")
configure_file("${VT_PC_TEMPLATE}" "${root}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/veltrano.pc" @ONLY)
message(STATUS "Installing: ${root}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/veltrano.pc")
