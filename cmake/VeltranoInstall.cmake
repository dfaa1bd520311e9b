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
# their own, which the export needs beside the library: nothing in the code
# refers to the object that registers the pictures, so from inside an archive
# the linker would leave it out and the host's editor would show no tool
# pictures. They belong to the development files, not to the programs.
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
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
  OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR}/veltrano-objects COMPONENT dev
  INCLUDES DESTINATION ${VT_INSTALL_INCLUDEDIR})
# A stripping install (`cmake --install --strip`, and CPack, which strips)
# also does what Debian's own packages do beyond CMake's plain strip: the
# archives and resource objects lose their debug information (the symbols a
# host links against stay), and every file the compiler's .comment and
# .note sections. `paths` are relative to the prefix; a glob is allowed.
function(vt_install_strip component)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      set(files)
      foreach(path ${ARGN})
        file(GLOB_RECURSE found \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${path}\")
        list(APPEND files \${found})
      endforeach()
      foreach(file IN LISTS files)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug --enable-deterministic-archives
          --remove-section=.comment --remove-section=.note \"\${file}\" RESULT_VARIABLE failed)
        if(failed)
          message(FATAL_ERROR \"cannot strip \${file}\")
        endif()
      endforeach()
    endif()" COMPONENT ${component})
endfunction()
set(vt_archives ${CMAKE_INSTALL_LIBDIR}/veltrano-objects/*.o)
foreach(name ${vt_component_libraries})
  list(APPEND vt_archives ${CMAKE_INSTALL_LIBDIR}/lib${name}.a)
endforeach()
vt_install_strip(dev ${vt_archives})
install(EXPORT VeltranoTargets NAMESPACE Veltrano:: DESTINATION ${VT_INSTALL_CMAKEDIR} COMPONENT dev)

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
  install(FILES ${PROJECT_SOURCE_DIR}/src/${header} DESTINATION ${VT_INSTALL_INCLUDEDIR}/${folder} COMPONENT dev)
endforeach()

# The data folder (language files, sensor pattern; the pictures are built
# into the libraries) and the programs, which look for it under the prefix,
# relative to where they are installed.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${VT_INSTALL_DATADIR} COMPONENT runtime
  PATTERN README.md EXCLUDE PATTERN icons EXCLUDE)
install(TARGETS sensor-editor sensor-script RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
vt_install_strip(runtime ${CMAKE_INSTALL_BINDIR}/sensor-editor ${CMAKE_INSTALL_BINDIR}/sensor-script)
# Linked as Debian links its programs: every symbol bound at start, so the
# relocations can be read-only from then on.
foreach(program sensor-editor sensor-script)
  target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
endforeach()
file(RELATIVE_PATH vt_data_from_bin
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VT_INSTALL_DATADIR})
target_compile_definitions(sensor_app_common PRIVATE VT_INSTALLED_DATA_DIR="${vt_data_from_bin}")

# What a desktop and a shell expect of the programs: manual pages, the
# editor's menu entry, icon and software-centre description, and completion
# of sensor-script's commands and options.
set(vt_packaging ${PROJECT_SOURCE_DIR}/packaging)
# Manual pages are installed compressed, as man and Debian expect them.
set(vt_man_pages)
foreach(page sensor-editor.1 sensor-script.1)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND gzip -9n -c ${vt_packaging}/${page} > ${PROJECT_BINARY_DIR}/man/${page}.gz
    DEPENDS ${vt_packaging}/${page} VERBATIM)
  list(APPEND vt_man_pages ${PROJECT_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(vt_man_pages ALL DEPENDS ${vt_man_pages})
# Each package's documentation folder holds the copyright file (Debian's
# machine-readable format) and the changelog, compressed as Debian keeps it.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
  COMMAND gzip -9n -c ${vt_packaging}/changelog > ${PROJECT_BINARY_DIR}/doc/changelog.gz
  DEPENDS ${vt_packaging}/changelog VERBATIM)
add_custom_target(vt_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog.gz)
foreach(component runtime dev)
  set(package veltrano)
  if(component STREQUAL dev)
    set(package veltrano-dev)
  endif()
  install(FILES ${vt_packaging}/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()
install(FILES ${vt_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)
install(FILES ${vt_packaging}/org.veltrano.SensorEditor.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
install(FILES ${vt_packaging}/org.veltrano.SensorEditor.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT runtime)
# The icon theme's fixed sizes, drawn from the SVG at build time by Qt's own
# SVG renderer (menus and software centres that take no SVG use these).
add_executable(vt_rendericon ${vt_packaging}/rendericon.cpp)
target_link_libraries(vt_rendericon PRIVATE Qt6::Gui Qt6::Svg)
set(vt_icons)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${PROJECT_BINARY_DIR}/icons/${size}x${size}/org.veltrano.SensorEditor.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
    COMMAND vt_rendericon ${vt_packaging}/org.veltrano.SensorEditor.svg ${size} ${png}
    DEPENDS vt_rendericon ${vt_packaging}/org.veltrano.SensorEditor.svg VERBATIM)
  list(APPEND vt_icons ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT runtime)
endforeach()
add_custom_target(vt_icons ALL DEPENDS ${vt_icons})
install(FILES ${vt_packaging}/org.veltrano.SensorEditor.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT runtime)
install(FILES ${vt_packaging}/sensor-script.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME sensor-script COMPONENT runtime)

# Qt 6 is built with reduced relocations here, so whatever includes its
# headers is compiled with -fPIC: the pkg-config file must say so, which
# lintian cannot know.
install(FILES ${vt_packaging}/veltrano-dev.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME veltrano-dev COMPONENT dev)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VeltranoConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfig.cmake
  INSTALL_DESTINATION ${VT_INSTALL_CMAKEDIR}
  PATH_VARS VT_INSTALL_DATADIR VT_INSTALL_INCLUDEDIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VeltranoConfigVersion.cmake
  DESTINATION ${VT_INSTALL_CMAKEDIR} COMPONENT dev)

# A pkg-config file beside the CMake package, for hosts built without CMake:
# the libraries from the top layer down, then what they use from the system.
set(vt_pc_libs "")
foreach(lib IN LISTS vt_component_libraries)
  string(PREPEND vt_pc_libs "-l${lib} ")
endforeach()
string(STRIP "${vt_pc_libs}" vt_pc_libs)
install(CODE "
  set(VT_PC_TEMPLATE \"${PROJECT_SOURCE_DIR}/packaging/veltrano.pc.in\")
  set(VT_PC_LIBS \"${vt_pc_libs}\")
  set(CMAKE_INSTALL_LIBDIR \"${CMAKE_INSTALL_LIBDIR}\")
  set(VT_INSTALL_INCLUDEDIR \"${VT_INSTALL_INCLUDEDIR}\")
  set(VT_INSTALL_DATADIR \"${VT_INSTALL_DATADIR}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/VeltranoPkgConfig.cmake\")" COMPONENT dev)
