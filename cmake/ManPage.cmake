# logview_add_man_page(TARGET SUMMARY COMPONENT): section 1 manual of a
# program, made by help2man from its own --help and --version, so the manual
# never says other than the program.  Only with LOGVIEW_BUILD_MANPAGES (the
# package build); the executable runs during the build.
function(logview_add_man_page target summary component)
  if(NOT LOGVIEW_BUILD_MANPAGES)
    return()
  endif()
  get_target_property(_name ${target} OUTPUT_NAME)
  if(NOT _name)
    set(_name ${target})
  endif()
  set(_page ${PROJECT_BINARY_DIR}/man/${_name}.1)
  add_custom_command(OUTPUT ${_page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${HELP2MAN} --no-info --section=1 --name=${summary} --output=${_page} $<TARGET_FILE:${target}>
    DEPENDS ${target}
    COMMENT "Writing the manual page of ${_name}"
    VERBATIM)
  add_custom_target(${_name}_man ALL DEPENDS ${_page})
  install(FILES ${_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()
