# Oscivo's preferences dialog and About box, which the main dialog opens from its menu.
set(oscivo_prefs_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(oscivo_prefs STATIC
  ${oscivo_prefs_dir}/Preferences.cpp ${oscivo_prefs_dir}/PreferencesControls.cpp
  ${oscivo_prefs_dir}/LeaveCheckedEdit.cpp ${oscivo_prefs_dir}/About.cpp)
target_link_libraries(oscivo_prefs PUBLIC oscivo_core scopecontrols hostlink platform Qt6::Widgets)

toolset_add_test(NAME oscivo_prefs_tests
  SOURCES ${oscivo_prefs_dir}/tests/PreferencesTest.cpp ${oscivo_prefs_dir}/tests/AboutTest.cpp
  LIBS oscivo_prefs platform_testing)
