# Fails when the core, the calendar engine or the plain libraries define a
# variable with static storage that is not a constant (named kName, or a name
# the program's texts fix), at namespace scope or as a function's own static:
# program-wide state such as a Dee version "in force" belongs to the window
# whose user chose it, and is passed as a parameter. Reads the libraries'
# symbols, so nothing in a header or source escapes it.
#
# The program's only state of its own, each kept on purpose and named here:
#   MutableIdentity()::identity  the program's texts and folder, read once at start
#   LocalDateSource()::source    today's date, the one clock tests replace
#   Texts()::texts               vellum's store of numbered texts (its load/get interface)
#   TheCalendarTable()::table    the calendar table: the built-in rows and those added at
#                                start-up (calendars defined outside the program)
cmake_minimum_required(VERSION 3.25)
set(allowed "MutableIdentity()::identity" "LocalDateSource()::source" "Texts()::texts"
    "TheCalendarTable()::table")
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
  # Data (initialised, zeroed or unique) of the program's own namespace, or of
  # a library's file-local one. A function's own static counts too.
  if(NOT line MATCHES "^[0-9a-f]+ [BbDdu] ((orv|\\(anonymous namespace\\))::.*)$")
    continue()
  endif()
  set(name "${CMAKE_MATCH_1}")
  string(REPLACE "(anonymous namespace)::" "" name "${name}")
  string(REPLACE "[abi:cxx11]" "" name "${name}")
  math(EXPR checked "${checked} + 1")
  string(REGEX REPLACE "^.*::" "" last "${name}")
  # A function's own static, named by its function and itself: "Texts()::texts".
  string(REGEX REPLACE "^(.*::)?([A-Za-z0-9_]+)\\([^()]*\\)( const)?::" "\\2()::" local "${name}")
  if(NOT last MATCHES "^k[A-Z]" AND NOT last STREQUAL "MonthNames" AND NOT local IN_LIST allowed)
    list(APPEND found "${name}")
  endif()
endforeach()
if(found)
  list(REMOVE_DUPLICATES found)
  string(REPLACE ";" "\n" found "${found}")
  message(FATAL_ERROR "static variables that are not constants:\n${found}")
endif()
message(STATUS "${checked} static data symbols checked")
