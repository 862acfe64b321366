#pragma once
// Resource numbers of Oscivo's icons: the program's, then the pictures of the dialog's buttons,
// which the playback's model chooses, in resource order.

enum IconId : int {
    IDR_MAINFRAME = 129,
    IDI_STOP,
    IDI_LOAD,
    IDI_PAUSE,
    IDI_RESUME,
    IDI_FASTER,
    IDI_SLOWER, // also the rewind symbol of Stop
    IDI_NEXT_SLOT,
    IDI_PREV_SLOT,
    IDI_PLAYING,
    IDI_STEP_UP,
    IDI_STEP_DOWN, // 140
};
