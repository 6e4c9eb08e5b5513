#include "app/picture_header.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace app {

namespace {

std::uint32_t BigEndian16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] << 8 | b[at + 1]; }
std::uint32_t LittleEndian16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t LittleEndian32(std::span<const std::uint8_t> b, std::size_t at) {
    return LittleEndian16(b, at) | LittleEndian16(b, at + 2) << 16;
}

// The file's bytes in chunks, so that the header's many small segments cost one read and a
// big one is skipped, not read.
class HeaderBytes {
public:
    explicit HeaderBytes(const ReadAt& read) : read_(read) {}
    // Up to count bytes from the offset on; fewer only at the file's end.
    std::span<const std::uint8_t> At(std::uint64_t offset, std::size_t count) {
        if (offset < start_ || offset + count > start_ + size_) {
            buffer_.resize(std::max<std::size_t>(count, 4096));
            start_ = offset;
            size_ = read_(offset, buffer_);
        }
        return std::span<const std::uint8_t>(buffer_).subspan(offset - start_, std::min<std::uint64_t>(count, start_ + size_ - offset));
    }

private:
    const ReadAt& read_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t start_ = 0;
    std::size_t size_ = 0;
};

// The frame header (SOF0 to SOF15, but for the table markers among them) holds the size;
// every segment before it says how long it is.
std::optional<PictureSize> JpegSize(HeaderBytes& file) {
    std::uint64_t at = 2;
    for (;;) {
        const std::span<const std::uint8_t> b = file.At(at, 9);
        if (b.size() < 4 || b[0] != 0xFF) return std::nullopt;
        const std::uint8_t marker = b[1];
        if (marker == 0xFF) {  // fill byte before a marker
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a segment
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // end or scan before any frame
        const std::size_t length = BigEndian16(b, 2);
        if (length < 2) return std::nullopt;
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || b.size() < 9) return std::nullopt;
            return PictureSize{BigEndian16(b, 7), BigEndian16(b, 5)};
        }
        at += 2 + length;
    }
}

// Walks the blocks after the screen: extensions and frames, each frame's data skipped by
// its sub-blocks' lengths. A file that ends early holds no more frames for a decoder.
bool GifFramesFit(std::span<const std::uint8_t> b, PictureSize screen) {
    const auto colourTable = [&](std::size_t flags) { return flags & 0x80 ? std::size_t{3} << ((flags & 7) + 1) : 0; };
    const auto subBlocks = [&](std::size_t at) {
        while (at < b.size() && b[at]) at += 1 + b[at];
        return at + 1;
    };
    std::uint64_t pixels = 0;
    for (std::size_t at = 13 + colourTable(b[10]); at < b.size();) {
        if (b[at] == 0x3B) break;  // the trailer
        if (b[at] == 0x21) {
            at = subBlocks(at + 2);
        } else if (b[at] == 0x2C) {
            if (at + 10 > b.size()) break;
            const std::uint32_t left = LittleEndian16(b, at + 1), top = LittleEndian16(b, at + 3);
            const std::uint32_t width = LittleEndian16(b, at + 5), height = LittleEndian16(b, at + 7);
            pixels += std::uint64_t{width} * height;
            if (left + width > screen.width || top + height > screen.height || pixels > kMaxPicturePixels) return false;
            at = subBlocks(at + 11 + colourTable(b[at + 9]));  // past the code size
        } else {
            return false;  // no block a decoder knows: what follows is unchecked
        }
    }
    return true;
}

std::optional<PictureSize> BmpSize(std::span<const std::uint8_t> b) {
    if (b.size() < 18) return std::nullopt;
    const std::uint32_t headerSize = LittleEndian32(b, 14);
    if (headerSize == 12) {  // the OS/2 header: unsigned 16-bit sizes
        if (b.size() < 22) return std::nullopt;
        return PictureSize{LittleEndian16(b, 18), LittleEndian16(b, 20)};
    }
    if (headerSize < 40 || b.size() < 26) return std::nullopt;
    const auto width = static_cast<std::int32_t>(LittleEndian32(b, 18));
    const auto height = static_cast<std::int32_t>(LittleEndian32(b, 22));
    // A negative height is a top-down picture; a negative width is no picture at all.
    if (width < 0 || height == INT32_MIN) return std::nullopt;
    return PictureSize{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height < 0 ? -height : height)};
}

bool StartsWith(std::span<const std::uint8_t> b, std::string_view magic) {
    return b.size() >= magic.size() && std::equal(magic.begin(), magic.end(), b.begin(),
                                                  [](char m, std::uint8_t c) { return static_cast<std::uint8_t>(m) == c; });
}

}  // namespace

std::optional<PictureSize> ReadPictureSize(const ReadAt& file) {
    HeaderBytes header(file);
    const std::span<const std::uint8_t> bytes = header.At(0, 26);
    if (StartsWith(bytes, "\xFF\xD8")) return JpegSize(header);
    if (StartsWith(bytes, "BM")) return BmpSize(bytes);
    if (StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a")) {
        if (bytes.size() < 10) return std::nullopt;
        return PictureSize{LittleEndian16(bytes, 6), LittleEndian16(bytes, 8)};
    }
    return std::nullopt;
}

std::optional<PictureSize> ReadPictureSize(std::span<const std::uint8_t> bytes) {
    return ReadPictureSize([bytes](std::uint64_t offset, std::span<std::uint8_t> into) {
        const std::span<const std::uint8_t> rest = bytes.subspan(std::min<std::uint64_t>(offset, bytes.size()));
        const std::size_t count = std::min(rest.size(), into.size());
        std::copy_n(rest.begin(), count, into.begin());
        return count;
    });
}

bool IsShowableSize(PictureSize size) {
    return size.width > 0 && size.height > 0 &&
           std::uint64_t{size.width} * size.height <= kMaxPicturePixels;
}

std::optional<PictureSize> ShowableSize(std::span<const std::uint8_t> file) {
    const std::optional<PictureSize> size = ReadPictureSize(file);
    if (!size || !IsShowableSize(*size)) return std::nullopt;
    const bool gif = StartsWith(file, "GIF87a") || StartsWith(file, "GIF89a");
    if (gif && !(file.size() >= 13 && GifFramesFit(file, *size))) return std::nullopt;
    return size;
}

}  // namespace app
