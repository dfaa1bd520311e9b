# What `cmake --install` puts under the prefix: the component's libraries (as
# exported targets), the headers a host compiles against, the data folder, the
# two programs, and the package files that let a host write
#   find_package(Veltrano REQUIRED)
#   target_link_libraries(myhost PRIVATE Veltrano::Editor)
#
# The libraries stay static: a host gets one self-contained program with no
# library path to set up, and the component's C++ classes make no promise of a
# binary interface across versions that a shared library would need.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VT_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/veltrano)
set(VT_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/veltrano)
set(VT_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Veltrano)

# The layers from the bottom up; the host links the two at the top.
set(vt_component_libraries
  vt_errorcore vt_platform vt_host vt_common vt_model vbscript vt_script_engine
  vt_script_objects vt_script_bridge vt_script_vbhost vt_script_jscript vt_script
  vt_script_colorizer vt_tools vt_dialogs vt_editor vt_hostkit)

# Headers are included from the src/ root ("editor/ucscript.h") in the build
# tree and from include/veltrano/ once installed.
foreach(lib vt_errorcore vbscript)
  set_property(TARGET ${lib} PROPERTY INTERFACE_INCLUDE_DIRECTORIES
    "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>;$<INSTALL_INTERFACE:${VT_INSTALL_INCLUDEDIR}>")
endforeach()

# The one target a host links: the editor and the host kit's reference objects.
add_library(veltrano_component INTERFACE)
set_target_properties(veltrano_component PROPERTIES EXPORT_NAME Editor)
target_link_libraries(veltrano_component INTERFACE vt_editor vt_hostkit)
add_library(Veltrano::Editor ALIAS veltrano_component)

# Resources built into a static library are object files of a target of
# their own, which the export needs beside the library.
set(vt_resource_objects)
foreach(lib ${vt_component_libraries})
  get_target_property(links ${lib} INTERFACE_LINK_LIBRARIES)
  foreach(link IN LISTS links)
    string(REGEX MATCH "^\\$<LINK_ONLY:(.+)>$" matched "${link}")
    if(matched)
      set(link "${CMAKE_MATCH_1}")
    endif()
    string(REGEX MATCH "^\\$<TARGET_OBJECTS:(.+)>$" matched "${link}")
    if(matched)
      set(link "${CMAKE_MATCH_1}")
    endif()
    if(TARGET "${link}" AND link MATCHES "_resources_[0-9]+$")
      list(APPEND vt_resource_objects ${link})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES vt_resource_objects)

install(TARGETS ${vt_component_libraries} ${vt_resource_objects} veltrano_component
  EXPORT VeltranoTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR}/veltrano-objects
  INCLUDES DESTINATION ${VT_INSTALL_INCLUDEDIR})
install(EXPORT VeltranoTargets NAMESPACE Veltrano:: DESTINATION ${VT_INSTALL_CMAKEDIR})

# What a host compiles against: the host interfaces, the editor's one
# header, and of the host kit what a host needs to give the editor its host
# objects (the reference objects installed in one call, a notifier, the
# skins), with every project header they include (followed at configure
# time, so that a new include is installed too; the error type and the XML
# node come that way). The rest of the host kit serves the desktop host and
# stays inside.
include(${CMAKE_CURRENT_LIST_DIR}/VeltranoHeaders.cmake)
file(GLOB vt_public_roots CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/src/host/*.h)
list(APPEND vt_public_roots editor/ucscript.h
  hostkit/referenceobjects.h hostkit/callbacknotifier.h hostkit/skins.h)
vt_header_closure(vt_public_headers ${PROJECT_SOURCE_DIR}/src ${vt_public_roots})
foreach(header IN LISTS vt_public_headers)
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/src/${header} DESTINATION ${VT_INSTALL_INCLUDEDIR}/${folder})
endforeach()

# The data folder (language files, sensor pattern; the pictures are built
# into the libraries) and the programs, which
# look for it under the prefix, relative to where they are installed.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${VT_INSTALL_DATADIR}
  PATTERN README.md EXCLUDE PATTERN icons EXCLUDE)
install(TARGETS sensor-editor sensor-script RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH vt_data_from_bin
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VT_INSTALL_DATADIR})
target_compile_definitions(sensor-editor PRIVATE VT_INSTALLED_DATA_DIR="${vt_data_from_bin}")

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VeltranoConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfig.cmake
  INSTALL_DESTINATION ${VT_INSTALL_CMAKEDIR}
  PATH_VARS VT_INSTALL_DATADIR VT_INSTALL_INCLUDEDIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfigVersion.cmake
  DESTINATION ${VT_INSTALL_CMAKEDIR})
