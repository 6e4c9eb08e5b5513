#include "app/program_kind.h"

#include <algorithm>
#include <optional>
#include <string>

namespace app {

namespace {

constexpr std::uint16_t kMachineI386 = 0x14C;
constexpr std::uint16_t kMagic32 = 0x10B, kMagic64 = 0x20B;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kManifestType = 24;
// The manifest that Windows reads for a program, not the ones meant for its libraries.
constexpr std::uint32_t kProgramManifestId = 1;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

// Every read is checked against the end, so that a cut or hostile file is only "no program".
class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> At(std::uint64_t offset, int size) const {
        if (offset > bytes_.size() || bytes_.size() - offset < static_cast<std::uint64_t>(size)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes_[static_cast<std::size_t>(offset) + i];
        return value;
    }
    std::span<const std::uint8_t> Span(std::uint64_t offset, std::uint64_t size) const {
        if (offset > bytes_.size() || bytes_.size() - offset < size) return {};
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    }

private:
    std::span<const std::uint8_t> bytes_;
};

class Image {
public:
    Image(const Bytes& bytes, std::uint64_t sectionTable, std::uint32_t sectionCount)
        : bytes_(bytes), table_(sectionTable), count_(sectionCount) {}

    // The file offset of a relative virtual address, where a section's bytes in the file hold it.
    std::optional<std::uint64_t> Offset(std::uint32_t address, std::uint32_t size) const {
        for (std::uint32_t i = 0; i < count_; ++i) {
            const std::uint64_t entry = table_ + 40ull * i;
            const auto start = bytes_.At(entry + 12, 4);
            const auto rawSize = bytes_.At(entry + 16, 4), rawOffset = bytes_.At(entry + 20, 4);
            if (!start || !rawSize || !rawOffset) return std::nullopt;
            const std::uint64_t inSection = std::uint64_t{address} - *start;
            if (address >= *start && inSection + size <= *rawSize) return *rawOffset + inSection;
        }
        return std::nullopt;
    }

private:
    const Bytes& bytes_;
    std::uint64_t table_;
    std::uint32_t count_;
};

// The data offset (relative to the resources' start) of the entry with this id in the
// resource directory at `directory`, or of its first entry when any id will do.
std::optional<std::uint32_t> Entry(const Bytes& bytes, std::uint64_t resources, std::uint32_t directory,
                                   std::optional<std::uint32_t> id) {
    const auto named = bytes.At(resources + directory + 12, 2), ids = bytes.At(resources + directory + 14, 2);
    if (!named || !ids) return std::nullopt;
    for (std::uint32_t i = 0; i < *named + *ids; ++i) {
        const std::uint64_t entry = resources + directory + 16 + 8ull * i;
        const auto name = bytes.At(entry, 4), data = bytes.At(entry + 4, 4);
        if (!name || !data) return std::nullopt;
        if (!id || *name == *id) return *data;
    }
    return std::nullopt;
}

std::span<const std::uint8_t> Manifest(const Bytes& bytes, const Image& image, std::uint32_t address,
                                       std::uint32_t size) {
    const auto resources = image.Offset(address, std::min<std::uint32_t>(size, 16));
    if (!resources) return {};
    const auto types = Entry(bytes, *resources, 0, kManifestType);
    if (!types || !(*types & kSubdirectory)) return {};
    const auto names = Entry(bytes, *resources, *types & ~kSubdirectory, kProgramManifestId);
    if (!names || !(*names & kSubdirectory)) return {};
    const auto language = Entry(bytes, *resources, *names & ~kSubdirectory, std::nullopt);
    if (!language || (*language & kSubdirectory)) return {};
    const auto dataAddress = bytes.At(*resources + *language, 4), dataSize = bytes.At(*resources + *language + 4, 4);
    if (!dataAddress || !dataSize) return {};
    const auto data = image.Offset(*dataAddress, *dataSize);
    return data ? bytes.Span(*data, *dataSize) : std::span<const std::uint8_t>();
}

// Whether the manifest names requestedExecutionLevel outside its comments, in
// UTF-8 or, byte for byte with its zeros dropped, UTF-16.
bool NamesExecutionLevel(std::span<const std::uint8_t> manifest) {
    std::string text;
    for (std::uint8_t byte : manifest)
        if (byte != 0) text += static_cast<char>(byte);
    for (std::size_t comment; (comment = text.find("<!--")) != std::string::npos;) {
        const std::size_t end = text.find("-->", comment + 4);
        text.erase(comment, end == std::string::npos ? std::string::npos : end + 3 - comment);
    }
    return text.find("requestedExecutionLevel") != std::string::npos;
}

}  // namespace

ProgramKind ReadProgramKind(std::span<const std::uint8_t> data) {
    const Bytes bytes(data);
    if (bytes.At(0, 2) != 0x5A4Du) return ProgramKind::NotAProgram;  // "MZ"
    const auto header = bytes.At(0x3C, 4);
    if (!header || bytes.At(*header, 4) != 0x4550u) return ProgramKind::NotAProgram;  // "PE\0\0"
    const std::uint64_t fileHeader = std::uint64_t{*header} + 4, optional = fileHeader + 20;
    const auto machine = bytes.At(fileHeader, 2), sections = bytes.At(fileHeader + 2, 2);
    const auto optionalSize = bytes.At(fileHeader + 16, 2), magic = bytes.At(optional, 2);
    if (!machine || !sections || !optionalSize || !magic) return ProgramKind::NotAProgram;
    if (*magic == kMagic64) return ProgramKind::Bits64;
    if (*magic != kMagic32 || *machine != kMachineI386) return ProgramKind::NotAProgram;

    const auto directories = bytes.At(optional + 92, 4);
    if (!directories) return ProgramKind::NotAProgram;
    if (*directories <= kResourceDirectory) return ProgramKind::Legacy32;
    const std::uint64_t resourceEntry = optional + 96 + 8 * kResourceDirectory;
    if (resourceEntry + 8 > optional + *optionalSize) return ProgramKind::Legacy32;
    const auto address = bytes.At(resourceEntry, 4), size = bytes.At(resourceEntry + 4, 4);
    if (!address || !size) return ProgramKind::NotAProgram;
    if (*address == 0) return ProgramKind::Legacy32;
    const Image image(bytes, optional + *optionalSize, *sections);
    return NamesExecutionLevel(Manifest(bytes, image, *address, *size)) ? ProgramKind::Declared32
                                                                        : ProgramKind::Legacy32;
}

}  // namespace app
