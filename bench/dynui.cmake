# Dynalyt's forms: one repaint of the filled diagram, and a page change that recomputes and
# shows the results.
toolset_add_bench(dynui_bench dynui/DiagramBench.cpp)
target_link_libraries(dynui_bench PRIVATE dynalyt_ui platform_testing toolset_bench_qt_main)
