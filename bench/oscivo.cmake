# Oscivo: one live reply from the parse with its identification (label files looked up in a
# labels folder of realistic size) to the values the display shows.
toolset_add_bench(oscivo_bench oscivo/ReplyBench.cpp)
target_link_libraries(oscivo_bench PRIVATE oscivo_core testhost_lib)

# Oscivo's log playback without its pacing: a 100,000-line host log's header read and every
# line converted into its reply.
toolset_add_bench(oscivo_log_bench oscivo/LogBench.cpp)
target_link_libraries(oscivo_log_bench PRIVATE oscivo_core)
