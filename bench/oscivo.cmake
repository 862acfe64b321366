# Oscivo: one live reply from the parse with its identification (label files looked up in a
# labels folder of realistic size) to the values the display shows.
toolset_add_bench(oscivo_bench oscivo/ReplyBench.cpp)
target_link_libraries(oscivo_bench PRIVATE oscivo_core testhost_lib)
