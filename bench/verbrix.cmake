# Verbrix: one host reply through the consumption accounting, the work of a 50 ms tick.
toolset_add_bench(verbrix_bench verbrix/ConsumptionBench.cpp)
target_link_libraries(verbrix_bench PRIVATE verbrix_ui testhost_core)
