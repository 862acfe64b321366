# The dependency rules of the design, held by the suffix of each library's name:
#
#   <name>_base  no Qt at all
#   <name>_core  no Qt GUI module (no Gui, Widgets, PrintSupport or Multimedia)
#   <name>_ui    the widgets
#
# toolset_hold_rules(), called once every folder is added, gives each _base and _core library
# of the tree a test rules.<library> that holds it to its rule, and stops the configuration at a
# library whose name has none of the three suffixes. Test, benchmark and fuzz aids (libraries in
# a testing/ or tests/ folder, in bench/ or in fuzz/) are exempt.
function(toolset_hold_rules)
  toolset_libraries(libraries ${CMAKE_SOURCE_DIR})
  foreach(library IN LISTS libraries)
    get_target_property(dir ${library} SOURCE_DIR)
    file(RELATIVE_PATH dir ${CMAKE_SOURCE_DIR} ${dir})
    if(dir MATCHES "^(bench|fuzz)(/|$)" OR dir MATCHES "(^|/)(testing|tests)(/|$)")
      continue()
    endif()
    if(library MATCHES "_base$")
      toolset_hold_rule(${library} QObject QtCore/QObject)
    elseif(library MATCHES "_core$")
      toolset_hold_rule(${library} QImage QGuiApplication QWidget QPrinter QSoundEffect)
    elseif(NOT library MATCHES "_ui$")
      message(FATAL_ERROR "${library} (${dir}): a library's name ends in _base (no Qt), _core (no Qt GUI "
                          "module) or _ui (widgets)")
    endif()
  endforeach()
endfunction()

# Sets out to the libraries defined in dir and in the folders below it.
function(toolset_libraries out dir)
  set(libraries)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "_LIBRARY$")
      list(APPEND libraries ${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    toolset_libraries(below ${subdir})
    list(APPEND libraries ${below})
  endforeach()
  set(${out} ${libraries} PARENT_SCOPE)
endfunction()

# toolset_hold_rule(target header...)
#
# A test compiles small probes with the library's own compile command (from
# compile_commands.json): each header given must fail to be found, and a probe without it must
# compile, so that the check cannot pass on a broken command.
function(toolset_hold_rule target)
  list(JOIN ARGN "," headers)
  add_test(NAME rules.${target}
    COMMAND ${CMAKE_COMMAND}
            -D COMMANDS=${CMAKE_BINARY_DIR}/compile_commands.json
            -D TARGET=${target}
            -D HEADERS=${headers}
            -D WORK=${CMAKE_BINARY_DIR}/rules/${target}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckIncludeRule.cmake)
endfunction()
