#pragma once
// Small Windows program files as a linker lays them out: headers, one resource section,
// and in it the program's manifest when one is given.

#include <cstdint>
#include <optional>
#include <string>

namespace testing_support {

inline std::string ProgramFile(bool bits64, std::optional<std::string> manifest = std::nullopt) {
    std::string file(0x200, '\0');
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        if (file.size() < at + size) file.resize(at + size);
        for (int i = 0; i < size; ++i) file[at + i] = static_cast<char>(value >> (8 * i));
    };
    put(0, 0x5A4D, 2);
    put(0x3C, 0x40, 4);
    put(0x40, 0x4550, 4);
    put(0x44, bits64 ? 0x8664 : 0x14C, 2);
    put(0x46, 1, 2);                        // one section
    put(0x54, bits64 ? 240 : 224, 2);      // optional header's size
    put(0x58, bits64 ? 0x20B : 0x10B, 2);
    const std::size_t directories = 0x58 + (bits64 ? 108 : 92), sections = 0x58 + (bits64 ? 240 : 224);
    put(directories, 16, 4);
    const std::size_t resources = 0x200, size = 0x58 + (manifest ? manifest->size() : 0);
    put(directories + 4 + 16, manifest ? 0x1000 : 0, 4);
    put(directories + 4 + 20, manifest ? static_cast<std::uint32_t>(size) : 0, 4);
    put(sections + 8, static_cast<std::uint32_t>(size), 4);
    put(sections + 12, 0x1000, 4);
    put(sections + 16, static_cast<std::uint32_t>(size), 4);
    put(sections + 20, resources, 4);
    if (!manifest) return file;
    // Type 24 (manifest), name 1, one language, then the data.
    const std::uint32_t levels[][2] = {{24, 0x80000018u}, {1, 0x80000030u}, {0x409, 0x48}};
    for (int level = 0; level < 3; ++level) {
        put(resources + 0x18 * level + 14, 1, 2);
        put(resources + 0x18 * level + 16, levels[level][0], 4);
        put(resources + 0x18 * level + 20, levels[level][1], 4);
    }
    put(resources + 0x48, 0x1058, 4);
    put(resources + 0x4C, static_cast<std::uint32_t>(manifest->size()), 4);
    file.resize(resources + 0x58);
    return file + *manifest;
}

inline const std::string kAsInvokerManifest =
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"><trustInfo "
    "xmlns=\"urn:schemas-microsoft-com:asm.v3\"><security><requestedPrivileges><requestedExecutionLevel "
    "level=\"asInvoker\" uiAccess=\"false\"/></requestedPrivileges></security></trustInfo></assembly>";

}  // namespace testing_support
