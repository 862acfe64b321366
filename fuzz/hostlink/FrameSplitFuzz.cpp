// A received message split into its header fields and payload, and a frame formatted from any
// name and payload split back into them.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "hostlink/TelvoFrame.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string message(reinterpret_cast<const char*>(data), size);
    std::string name, kind, seq, payload;
    if (SplitMessage(message, name, kind, seq, payload)) {
        FUZZ_CHECK(MessageName(message) == name);
        FUZZ_CHECK(name.size() + kind.size() + seq.size() + payload.size() <= message.size());
    } else {
        FUZZ_CHECK(MessageName(message).empty());
    }

    // The name is the text before the first LF, the payload the rest.
    FuzzInput input(data, size);
    const std::string sentName(input.Until('\n'));
    const std::string sentPayload(input.Rest());
    if (sentName.find_first_of(",\\") != std::string::npos)
        return 0;
    const std::string frame = FormatFrame(sentName, 1, 42, sentPayload);
    FUZZ_CHECK(SplitMessage(frame, name, kind, seq, payload));
    FUZZ_CHECK(name == sentName && kind == "1" && seq == "42" && payload == sentPayload);
    return 0;
}
