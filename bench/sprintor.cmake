# Sprintor: one host reply through the run (speed field, clock, point on the curve), the work
# of a 50 ms tick, and the search for the speed field in a run's first reply.
toolset_add_bench(sprintor_bench sprintor/ReplyBench.cpp)
target_link_libraries(sprintor_bench PRIVATE sprintor_app testhost_lib toolset_bench_qt_main)
