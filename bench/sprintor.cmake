# Sprintor: one host reply through the run alone and through the dialog (speed field, clock,
# point on the curve), and the search for the speed field in a usual and in a 200 KB first reply.
toolset_add_bench(sprintor_bench sprintor/ReplyBench.cpp)
target_link_libraries(sprintor_bench PRIVATE sprintor_ui testhost_core toolset_bench_qt_main)
