# Installs the build into a temporary prefix and checks what lands there:
# the file list, the desktop entry and metainfo with their validators, and
# that a program in bin/ finds its data in share/orvantis/ and its plugin in
# lib/orvantis/. Arguments: -DBUILD_DIR=... -DPREFIX=... -DPROBE=... -DPLUGIN=...
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
set(expected
    bin/orvantis
    bin/orvc
    lib/orvantis/${PLUGIN}
    share/applications/org.orvantis.Orvantis.desktop
    share/doc/orvantis/changelog.gz
    share/doc/orvantis/copyright
    share/doc/orvc/changelog.gz
    share/doc/orvc/copyright
    share/icons/hicolor/scalable/apps/org.orvantis.Orvantis.svg
    share/man/man1/orvantis.1.gz
    share/man/man1/orvc.1.gz
    share/metainfo/org.orvantis.Orvantis.metainfo.xml
    share/orvantis/calendars/coptic.json
    share/orvantis/calendars/dee-cecil-rule.json
    share/orvantis/calendars/dee-rule.json
    share/orvantis/calendars/ethiopian.json
    share/orvantis/calendars/gregorian-rule.json
    share/orvantis/calendars/herschel.json
    share/orvantis/calendars/international-fixed.json
    share/orvantis/calendars/julian-rule.json
    share/orvantis/calendars/persian-2820.json
    share/orvantis/calendars/persian-33.json
    share/orvantis/calendars/revised-julian-rule.json
    share/orvantis/calendars/rule-128.json
    share/orvantis/calendars/symmetry454.json
    share/orvantis/calendars/world.json
    share/orvantis/orvantis_help.txt
    share/orvantis/orvc.dat
    share/orvantis/regions.txt)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files:\n${installed}\nexpected:\n${expected}")
endif()

execute_process(COMMAND desktop-file-validate "${PREFIX}/share/applications/org.orvantis.Orvantis.desktop"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "desktop-file-validate refused the desktop entry")
endif()
execute_process(COMMAND appstreamcli validate --no-net
                        "${PREFIX}/share/metainfo/org.orvantis.Orvantis.metainfo.xml"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli refused the metainfo")
endif()

file(COPY "${PROBE}" DESTINATION "${PREFIX}/bin")
get_filename_component(probe_name "${PROBE}" NAME)
execute_process(COMMAND "${PREFIX}/bin/${probe_name}" ${PLUGIN} OUTPUT_VARIABLE folders
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
string(REPLACE "\n" ";" folders "${folders}")
foreach(expected share/orvantis "lib/orvantis/${PLUGIN}")
  list(POP_FRONT folders folder)
  file(REAL_PATH "${PREFIX}/${expected}" expected_folder)
  file(REAL_PATH "${folder}" found_folder)
  if(NOT result EQUAL 0 OR NOT found_folder STREQUAL expected_folder)
    message(FATAL_ERROR "the installed program looks in '${folder}', not '${expected_folder}'")
  endif()
endforeach()

execute_process(COMMAND "${PREFIX}/bin/orvc" convert "2000-01-01 CE" OUTPUT_VARIABLE converted
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT converted MATCHES "Julian day number:  2.451.545")
  message(FATAL_ERROR "the installed orvc does not convert:\n${converted}")
endif()
message(STATUS "install tree ok")
