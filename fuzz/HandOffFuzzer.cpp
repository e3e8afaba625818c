// SPDX-License-Identifier: MIT
// The hand-off block reader meets a block that any program of the user's
// could have written.
#include "FuzzInput.h"

#include "app/HandOffBlock.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The reader clears the flag in place: a block of its own, exactly as
    // long as the input, so a read past its end is seen.
    std::vector<uint8_t> block(data, data + size);
    const std::optional<HandOff> handOff = HandOffBlock::Read(block.data(), block.size());
    if (!handOff)
        return 0;
    const size_t records =
        size > HandOffBlock::RecordsOffset
            ? (size - HandOffBlock::RecordsOffset) / HandOffBlock::RecordBytes + 1
            : 0;
    Promise(size_t(handOff->paths.size()) <= records, "no path comes from beyond the block");
    if (size > 0 && data[0] >= 0x80)
        Promise(block[0] == 0, "a ready block is taken once");
    return 0;
}
