# Fails when the core, the calendar engine or the plain libraries define a
# namespace-scope variable that is not a constant (named kName, or a name the
# program's texts fix): program-wide state such as a Dee version "in force"
# belongs to the window whose user chose it, and is passed as a parameter.
# Reads the libraries' symbols, so nothing in a header or source escapes it.
string(REPLACE "|" ";" libraries "${LIBRARIES}")
execute_process(COMMAND ${NM} -C --defined-only ${libraries} OUTPUT_VARIABLE symbols
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${libraries}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
set(found "")
set(checked 0)
foreach(line IN LISTS lines)
  # Data (initialised, zeroed or unique) of the program's own namespace.
  if(NOT line MATCHES "^[0-9a-f]+ [BbDdu] (orv::.*)$")
    continue()
  endif()
  set(name "${CMAKE_MATCH_1}")
  string(REPLACE "(anonymous namespace)::" "" name "${name}")
  if(name MATCHES "\\)::")  # a function's own static: not program-wide
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  string(REGEX REPLACE "^.*::" "" last "${name}")
  if(NOT last MATCHES "^k[A-Z]" AND NOT last STREQUAL "MonthNames")
    list(APPEND found "${name}")
  endif()
endforeach()
if(found)
  list(REMOVE_DUPLICATES found)
  string(REPLACE ";" "\n" found "${found}")
  message(FATAL_ERROR "namespace-scope variables that are not constants:\n${found}")
endif()
message(STATUS "${checked} namespace-scope data symbols checked")
