include(GoogleTest)

# toolset_add_test(NAME name [WIDGETS] SOURCES ... [LIBS ...] [RESOURCE_LOCK lock] [PROGRAMS target ...])
#
# One GoogleTest program. CTest runs each of its cases as a test of its own, named
# "<name>.<Suite>.<Case>", so that cases run side by side. The build lists the cases once the
# program is linked (the test main lists them without a Qt application, so building needs no
# display): listed when CTest starts, every program would be asked again after each configure.
# Every case runs headless, and the test main gives each process a runtime directory of its own
# (platform/testing/TestMain.cpp), so that the single-instance locks of parallel cases never meet.
#
# A test of widgets says WIDGETS: it gets a QApplication main and the platform's recorders
# (platform/testing). Any other test gets a QCoreApplication main, so that it cannot pull
# widgets in. The test's sources take their main's precompiled headers (platform/testing).
#
# PROGRAMS names program targets the test starts: they are built first, and the path of each
# reaches the test's code as the string TOOLSET_PROGRAM_<TARGET> (upper case).
function(toolset_add_test)
  cmake_parse_arguments(T "WIDGETS" "NAME;RESOURCE_LOCK" "SOURCES;LIBS;PROGRAMS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_WIDGETS)
    set(main toolset_test_main)
  else()
    set(main toolset_core_test_main)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} ${main})
  target_precompile_headers(${T_NAME} REUSE_FROM ${main})
  # A test's moc file holds little or nothing: it compiles faster than the header loads.
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_autogen/mocs_compilation.cpp
                              PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
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
    DISCOVERY_MODE POST_BUILD
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${properties})
endfunction()
