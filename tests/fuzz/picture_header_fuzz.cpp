// Arbitrary bytes through the preview's own path up to the system's decoder, as the
// program takes them: whatever the header claims, each input must end within the time limit.
#include "app/picture_preview.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    app::PreparePreview({data, size}, 120, 90);
    return 0;
}
