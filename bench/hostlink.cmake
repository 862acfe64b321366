# The host link's hot paths: one tick's Pump, and frames per second through the receive thread.
toolset_add_bench(hostlink_bench ${CMAKE_CURRENT_LIST_DIR}/hostlink/LinkBench.cpp)
target_link_libraries(hostlink_bench PRIVATE hostlink_ui testhost_core)
