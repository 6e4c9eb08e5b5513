// Arbitrary bytes into the readers that see a picture before any system decoder does.
#include "app/jpeg_eighth.h"
#include "app/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto found = app::ReadPictureSize({data, size});
    if (found && app::IsShowableSize(*found) && std::uint64_t{found->width} * found->height <= 1 << 20)
        app::DecodeJpegEighth({data, size});
    return 0;
}
