# toolset_add_test(NAME name SOURCES ... [LIBS ...] [RESOURCE_LOCK lock ...])
#
# One GoogleTest program, run by CTest as one test. Every test runs headless and with a
# runtime directory of its own, so that the instance locks of parallel tests never meet.
function(toolset_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;RESOURCE_LOCK" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} toolset_test_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(runtime ${CMAKE_BINARY_DIR}/test-runtime/${T_NAME})
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${runtime};TOOLSET_BIN=${CMAKE_BINARY_DIR}/bin"
    TIMEOUT 600)
  if(T_RESOURCE_LOCK)
    set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
endfunction()
