# Debian packages, built by CPack in the build folder (`cpack -G DEB`, or the
# `package` target): veltrano holds the two programs with their data folder,
# manual pages, menu entry and completion; veltrano-dev the static libraries,
# headers and the CMake and pkg-config files a host builds against. The
# programs' library dependencies are read from the binaries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME veltrano)
set(CPACK_PACKAGE_VENDOR "Veltrano")
set(CPACK_PACKAGE_CONTACT "Veltrano developers <dev@veltrano.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sensor script job editor")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL runtime dev)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME veltrano)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the SQL drivers the
# scripts' database objects open and the SVG plug-in that draws the pictures.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, libqt6svg6, qt6-qpa-plugins")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "libqt6sql6-psql, libqt6sql6-odbc")
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
  "Sensor script job editor and its command line
 sensor-editor edits a sensor job: the script that computes the value and the
 three scripts that classify it as Danger, Warning or Good. sensor-script
 evaluates a job as a monitoring check and runs, checks, colours and re-saves
 jobs without a window.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME veltrano-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_ARCHITECTURE amd64)
# A host compiles against Qt's and the database libraries' headers too.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "qt6-base-dev, qt6-declarative-dev, qt6-svg-dev, libpcre2-dev, libsqlite3-dev, libpq-dev, unixodbc-dev")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_DEBIAN_DEV_DESCRIPTION
  "Sensor script job editor: the component for embedding hosts
 Static libraries, headers and the CMake package (find_package(Veltrano)) of
 the sensor job editor component.")

include(CPack)
