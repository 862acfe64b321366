toolset_add_bench(scope_bench ${CMAKE_CURRENT_LIST_DIR}/scope/ScopeBench.cpp)
target_link_libraries(scope_bench PRIVATE scopecontrols toolset_bench_qt_main)
