# cmake -D COMMANDS=compile_commands.json -D TARGET=t -D HEADERS=h1,h2 -D WORK=dir -P CheckIncludeRule.cmake
#
# Compiles probes with the compile command of one of TARGET's own sources: a probe that
# includes <h> must fail because h is not found, for every h of HEADERS; a probe without such
# an include must compile.

file(READ "${COMMANDS}" json)
string(JSON count LENGTH "${json}")
math(EXPR last "${count} - 1")
set(command)
foreach(i RANGE ${last})
  string(JSON entry GET "${json}" ${i} command)
  if(entry MATCHES " -o [^ ]*CMakeFiles/${TARGET}\\.dir/")
    set(command "${entry}")
    string(JSON source GET "${json}" ${i} file)
    string(JSON directory GET "${json}" ${i} directory)
    break()
  endif()
endforeach()
if(NOT command)
  message(FATAL_ERROR "${TARGET}: no compile command in ${COMMANDS}")
endif()

# The same command on a probe, checking syntax only.
separate_arguments(command UNIX_COMMAND "${command}")
list(FIND command "-o" at)
list(REMOVE_AT command ${at})
list(REMOVE_AT command ${at})
list(FIND command "${source}" at)
file(MAKE_DIRECTORY "${WORK}")

function(compile probe text out_result out_errors)
  file(WRITE "${WORK}/${probe}.cpp" "${text}")
  set(args ${command})
  list(REMOVE_AT args ${at})
  list(INSERT args ${at} "${WORK}/${probe}.cpp")
  execute_process(COMMAND ${args} -fsyntax-only
                  WORKING_DIRECTORY "${directory}"
                  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
  set(${out_result} ${result} PARENT_SCOPE)
  set(${out_errors} "${errors}" PARENT_SCOPE)
endfunction()

compile(allowed "int probe;\n" result errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TARGET}: a probe without forbidden includes does not compile:\n${errors}")
endif()

string(REPLACE "," ";" HEADERS "${HEADERS}")
foreach(header IN LISTS HEADERS)
  string(MAKE_C_IDENTIFIER "${header}" probe)
  compile(${probe} "#include <${header}>\nint probe;\n" result errors)
  if(result EQUAL 0)
    message(FATAL_ERROR "${TARGET}: #include <${header}> compiles, though the target's rule forbids it")
  endif()
  string(REGEX MATCH "${header}[:'\"]* (No such file or directory|file not found)" missing "${errors}")
  if(NOT missing)
    message(FATAL_ERROR "${TARGET}: #include <${header}> fails, but not for want of the header:\n${errors}")
  endif()
  message(STATUS "${TARGET}: #include <${header}> does not build")
endforeach()
