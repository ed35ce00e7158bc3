# liblogview.so: the object files of every layer library, with the public header.
set(_layer_targets)
foreach(_name IN LISTS LOGVIEW_LIBRARY_TARGETS)
  if(TARGET ${_name})
    get_target_property(_type ${_name} TYPE)
    if(_type STREQUAL "STATIC_LIBRARY")
      list(APPEND _layer_targets ${_name})
    endif()
  endif()
endforeach()

set(_layer_objects)
foreach(t IN LISTS _layer_targets)
  list(APPEND _layer_objects $<TARGET_OBJECTS:${t}>)
endforeach()
add_library(logview SHARED ${_layer_objects} ${PROJECT_SOURCE_DIR}/shell/library_unload.cc)
target_link_libraries(logview PUBLIC SQLite::SQLite3 EXPAT::EXPAT Threads::Threads)
target_link_libraries(logview PRIVATE PkgConfig::CAIRO PkgConfig::XLSXWRITER)
target_include_directories(logview PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/logview>)
set_target_properties(logview PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})

install(TARGETS logview EXPORT logviewTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT liblogview NAMELINK_COMPONENT liblogview-dev
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The public header and every header it includes, kept at their project-relative
# paths below include/logview/ so that their own includes ("vocabulary/date_time.h")
# resolve there.
set(LOGVIEW_PUBLIC_HEADERS
  config/supported_edge_event_list.h
  platform/cwnd.h
  vocabulary/cstring_a.h
  vocabulary/date_time.h
  vocabulary/epos_setting.h
  vocabulary/log_status.h
  vocabulary/playback_request.h
  vocabulary/user_account.h
  vocabulary/vx_bitset.h)
install(FILES ${PROJECT_SOURCE_DIR}/include/logview/logview.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/logview COMPONENT liblogview-dev)
foreach(_header IN LISTS LOGVIEW_PUBLIC_HEADERS)
  get_filename_component(_folder ${_header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${_header}
          DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/logview/${_folder} COMPONENT liblogview-dev)
endforeach()
install(EXPORT logviewTargets NAMESPACE logview:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/logview
        COMPONENT liblogview-dev)
include(CMakePackageConfigHelpers)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/logviewConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/logviewConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/logview)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/logviewConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/logviewConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/logviewConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/logview COMPONENT liblogview-dev)
# pkg-config, for hosts built without CMake.
configure_file(${PROJECT_SOURCE_DIR}/cmake/logview.pc.in ${CMAKE_CURRENT_BINARY_DIR}/logview.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/logview.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT liblogview-dev)

# The language table and packs and the user manual, which the library looks
# up after the installation folder.
foreach(_data lang manual)
  if(EXISTS ${PROJECT_SOURCE_DIR}/data/${_data})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/${_data} DESTINATION ${CMAKE_INSTALL_DATADIR}/logview
            COMPONENT liblogview)
  endif()
endforeach()
