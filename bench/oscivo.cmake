# Oscivo: one live reply from the parse with its identification (label files looked up in a
# labels folder of realistic size) to the values the display shows, and the same reply all the
# way to the screen: the dialog's display update, the scope's push and repaint.
toolset_add_bench(oscivo_bench oscivo/ReplyBench.cpp oscivo/TickBench.cpp)
target_link_libraries(oscivo_bench PRIVATE oscivo_ui testhost_core toolset_bench_qt_main)

# Oscivo's log playback without its pacing: a 100,000-line host log's header read and every
# line converted into its reply.
toolset_add_bench(oscivo_log_bench oscivo/LogBench.cpp)
target_link_libraries(oscivo_log_bench PRIVATE oscivo_core)
