toolset_add_bench(graph_bench ${CMAKE_CURRENT_LIST_DIR}/graph/GraphBench.cpp)
target_link_libraries(graph_bench PRIVATE sprintor_graph toolset_bench_qt_main)
