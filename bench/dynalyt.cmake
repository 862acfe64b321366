# Dynalyt: the whole recomputation on full grids, and the import of a long host log.
toolset_add_bench(dynalyt_bench dynalyt/DynalytBench.cpp)
target_link_libraries(dynalyt_bench PRIVATE dynalyt_core benchmark::benchmark_main)
