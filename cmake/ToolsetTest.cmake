include(GoogleTest)

# toolset_add_test(NAME name SOURCES ... [LIBS ...] [RESOURCE_LOCK lock] [PROGRAMS target ...])
#
# One GoogleTest program. CTest runs each of its cases as a test of its own, named
# "<name>.<Suite>.<Case>", so that cases run side by side; the cases are listed when CTest
# runs, so building needs no display. Every case runs headless, and the test main gives each
# process a runtime directory of its own (TestMain.cpp), so that the single-instance locks of
# parallel cases never meet.
#
# A test whose libraries reach Qt Widgets gets a QApplication main and the platform's recorders
# (platform/testing); any other test a QCoreApplication main, so that it cannot pull widgets in.
# The libraries must be defined before the test.
#
# PROGRAMS names program targets the test starts: they are built first, and the path of each
# reaches the test's code as the string TOOLSET_PROGRAM_<TARGET> (upper case).
function(toolset_add_test)
  cmake_parse_arguments(T "" "NAME;RESOURCE_LOCK" "SOURCES;LIBS;PROGRAMS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  toolset_reaches_widgets(widgets ${T_LIBS})
  if(widgets)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} toolset_test_main)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} toolset_core_test_main)
  endif()
  foreach(program IN LISTS T_PROGRAMS)
    string(MAKE_C_IDENTIFIER "${program}" id)
    string(TOUPPER "${id}" id)
    target_compile_definitions(${T_NAME} PRIVATE "TOOLSET_PROGRAM_${id}=\"$<TARGET_FILE:${program}>\"")
    add_dependencies(${T_NAME} ${program})
  endforeach()

  # The base under which each process of the test makes its own runtime directory.
  set(runtime ${CMAKE_BINARY_DIR}/test-runtime/${T_NAME})
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  # Each property takes one value: the discovered tests get them through a flattened list.
  set(properties
    ENVIRONMENT QT_QPA_PLATFORM=offscreen
    ENVIRONMENT_MODIFICATION XDG_RUNTIME_DIR=set:${runtime}
    TIMEOUT 600)
  if(T_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${T_RESOURCE_LOCK})
  endif()
  gtest_discover_tests(${T_NAME}
    TEST_PREFIX "${T_NAME}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${properties})
endfunction()

# Sets out to TRUE when one of the targets links Qt Widgets, directly or through other targets.
function(toolset_reaches_widgets out)
  set(todo ${ARGN})
  set(seen)
  while(todo)
    list(POP_FRONT todo item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item STREQUAL "Qt6::Widgets")
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(NOT TARGET "${item}" OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${item}")
    get_target_property(libs "${item}" INTERFACE_LINK_LIBRARIES)
    if(libs)
      list(APPEND todo ${libs})
    endif()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()
