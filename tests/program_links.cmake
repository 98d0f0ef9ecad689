# Fails when a program's link line names one of the FORBIDDEN Qt modules, or
# when the built program needs one of their libraries at start; with
# RUN_FORBIDDEN, also when it loads one of those while it runs (in the
# test's environment).
# Arguments: -DBUILD_DIR=... -DLINK_STEP=cli/orvc -DPROGRAM=... -DFORBIDDEN="Gui|Widgets"
file(READ ${BUILD_DIR}/build.ninja ninja)
string(REGEX MATCH "build ${LINK_STEP}:[^\n]*\n([ ]+[^\n]*\n)*" link "${ninja}")
if(link STREQUAL "")
  message(FATAL_ERROR "no link step for ${LINK_STEP} in ${BUILD_DIR}/build.ninja")
endif()
if(link MATCHES "Qt6(${FORBIDDEN})|libQt6(${FORBIDDEN})")
  message(FATAL_ERROR "${LINK_STEP} links Qt ${FORBIDDEN}:\n${link}")
endif()
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE needed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAM} failed")
endif()
if(needed MATCHES "libQt6(${FORBIDDEN})")
  message(FATAL_ERROR "${PROGRAM} needs Qt ${FORBIDDEN} at start:\n${needed}")
endif()
if(DEFINED RUN_FORBIDDEN)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_DEBUG=files ${PROGRAM}
                  ERROR_VARIABLE loaded RESULT_VARIABLE status)
  string(REGEX MATCH "file=[^ ]*libQt6(${RUN_FORBIDDEN})[^ ]*" found "${loaded}")
  if(NOT status EQUAL 0 OR NOT found STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} ended with ${status}, having loaded '${found}'")
  endif()
endif()
message(STATUS "${LINK_STEP} needs no Qt ${FORBIDDEN}")
