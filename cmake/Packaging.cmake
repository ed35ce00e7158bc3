# Debian packages of the project, one per component:
#   liblogview      the library and its data (language packs, manual)
#   liblogview-dev  the public header, the CMake package and a pkg-config file
#   logview         the command-line host, logview-demo, their manuals and completion
#   vxpp-server     the server, its systemd unit, configuration and manual
# scripts/package.sh builds them (cmake --build DIR --target package).
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME logview)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "logview developers")
set(CPACK_PACKAGE_CONTACT "logview developers <logview@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "log viewer of a video recording system")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs' own library is found in the build tree, and becomes a
# dependency on the liblogview package through the component dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)

set(CPACK_COMPONENTS_ALL liblogview liblogview-dev logview vxpp-server)
set(CPACK_DEBIAN_LIBLOGVIEW_PACKAGE_NAME liblogview)
set(CPACK_COMPONENT_LIBLOGVIEW_DESCRIPTION
    "log viewer library of a video recording system\n The log viewer's pages (events, system log) as a shared library that\n recording clients show, with its language packs and manual.")
# Found by the package's shared-library scan as well; named so that the
# workbook export's library is never left out.
set(CPACK_DEBIAN_LIBLOGVIEW_PACKAGE_DEPENDS "libxlsxwriter4")
set(CPACK_DEBIAN_LIBLOGVIEW-DEV_PACKAGE_NAME liblogview-dev)
set(CPACK_DEBIAN_LIBLOGVIEW-DEV_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_LIBLOGVIEW-DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_LIBLOGVIEW-DEV_DEPENDS liblogview)
set(CPACK_COMPONENT_LIBLOGVIEW-DEV_DESCRIPTION
    "log viewer library: development files\n The public header, the CMake package (find_package(logview)) and a\n pkg-config file.")
set(CPACK_DEBIAN_LIBLOGVIEW-DEV_PACKAGE_DEPENDS "libsqlite3-dev, libexpat1-dev")
set(CPACK_DEBIAN_LOGVIEW_PACKAGE_NAME logview)
set(CPACK_COMPONENT_LOGVIEW_DEPENDS liblogview)
set(CPACK_COMPONENT_LOGVIEW_DESCRIPTION
    "log viewer of a video recording system on the command line\n logview searches, sorts and exports a log page of an installation or a\n recording server; logview-demo writes a demo installation.")
set(CPACK_DEBIAN_VXPP-SERVER_PACKAGE_NAME vxpp-server)
set(CPACK_DEBIAN_VXPP-SERVER_PACKAGE_SECTION net)
set(CPACK_DEBIAN_VXPP-SERVER_PACKAGE_DEPENDS adduser)
set(CPACK_DEBIAN_VXPP-SERVER_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/tools/vxpp-server/debian/postinst
    ${PROJECT_SOURCE_DIR}/tools/vxpp-server/debian/postrm
    ${PROJECT_SOURCE_DIR}/tools/vxpp-server/debian/conffiles)
set(CPACK_DEBIAN_VXPP-SERVER_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_COMPONENT_VXPP-SERVER_DESCRIPTION
    "VXPP log service of a recording installation\n Answers the remote log viewer's logins, log searches and device queries\n for one installation folder; runs as a systemd service.")
if(TARGET logview_qt)
  list(APPEND CPACK_COMPONENTS_ALL logview-qt)
  set(CPACK_DEBIAN_LOGVIEW-QT_PACKAGE_NAME logview-qt)
  set(CPACK_COMPONENT_LOGVIEW-QT_DEPENDS liblogview)
  # The host's sites panel runs logview for its many-server search.
  set(CPACK_DEBIAN_LOGVIEW-QT_PACKAGE_RECOMMENDS logview)
  set(CPACK_COMPONENT_LOGVIEW-QT_DESCRIPTION
      "log viewer window and host application\n The Qt front end of the log viewer and logview-host, an application that\n embeds it.")
endif()
include(CPack)
