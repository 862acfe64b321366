# toolset_hold_rule(target NO_QT|NO_GUI|NO_WIDGETS)
#
# Holds a library to one of the design's dependency rules. A test compiles small probes with
# the library's own compile command (from compile_commands.json): each include the rule forbids
# must fail because the header is not found, and a probe without it must compile, so that the
# check cannot pass on a broken command.
#
#   NO_QT       no Qt at all (the link's frame, socket and client)
#   NO_GUI      Qt Core only (the platform's core, the tick timer)
#   NO_WIDGETS  no widgets, printing or dialogs (core folders)
function(toolset_hold_rule target rule)
  if(rule STREQUAL "NO_QT")
    set(headers QObject QtCore/QObject)
  elseif(rule STREQUAL "NO_GUI")
    set(headers QImage QGuiApplication QWidget)
  elseif(rule STREQUAL "NO_WIDGETS")
    set(headers QWidget QApplication QPrinter)
  else()
    message(FATAL_ERROR "toolset_hold_rule: unknown rule '${rule}' for ${target}")
  endif()
  list(JOIN headers "," headers)
  add_test(NAME rules.${target}
    COMMAND ${CMAKE_COMMAND}
            -D COMMANDS=${CMAKE_BINARY_DIR}/compile_commands.json
            -D TARGET=${target}
            -D HEADERS=${headers}
            -D WORK=${CMAKE_BINARY_DIR}/rules/${target}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckIncludeRule.cmake)
endfunction()
