// Arbitrary bytes as the client's program file, which is read before anything else of it.
#include "app/program_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    app::ReadProgramKind({data, size});
    return 0;
}
