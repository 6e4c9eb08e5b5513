#include "app/jpeg_eighth.h"

#include <algorithm>
#include <array>

#include "app/picture_header.h"

namespace app {

namespace {

struct Huffman {
    bool defined = false;
    std::array<std::int32_t, 17> minCode{}, maxCode{}, first{};  // by code length
    std::array<std::uint8_t, 256> values{};
    std::array<std::uint16_t, 256> fast{};  // by the next 8 bits: length * 256 + value, for codes that short
};

// The canonical code of a table segment's counts and values; false for a table whose
// counts no code can have.
bool Build(Huffman& table, const std::uint8_t* counts, const std::uint8_t* values, int total) {
    std::int32_t code = 0, index = 0;
    for (int length = 1; length <= 16; ++length) {
        table.first[length] = index;
        table.minCode[length] = code;
        code += counts[length - 1];
        index += counts[length - 1];
        table.maxCode[length] = counts[length - 1] ? code - 1 : -1;
        if (code > (1 << length)) return false;
        code <<= 1;
    }
    std::copy(values, values + total, table.values.begin());
    table.fast = {};
    for (int length = 1; length <= 8; ++length)
        for (std::int32_t c = table.minCode[length]; c <= table.maxCode[length]; ++c)
            for (std::int32_t rest = 0; rest < 1 << (8 - length); ++rest)
                table.fast[c << (8 - length) | rest] = static_cast<std::uint16_t>(
                    length << 8 | table.values[table.first[length] + c - table.minCode[length]]);
    table.defined = true;
    return true;
}

// The entropy-coded bits of a scan: stuffed zero bytes dropped; at a marker or the end of
// the data only zero bits follow, and the bits are used up once those are all that is left.
class BitReader {
public:
    BitReader(std::span<const std::uint8_t> bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    std::int32_t Bits(int n) {  // n up to 16
        if (n == 0) return 0;
        if (count_ < n) Fill();
        const auto value = static_cast<std::int32_t>(buffer_ >> (32 - n));
        buffer_ <<= n;
        count_ -= n;
        padding_ = std::min(padding_, count_);
        return value;
    }
    // A coefficient's extra bits as the signed number they stand for.
    std::int32_t Signed(int n) {
        if (n == 0) return 0;
        const std::int32_t value = Bits(n);
        return value < (1 << (n - 1)) ? value - (1 << n) + 1 : value;
    }
    int Decode(const Huffman& table) {
        if (count_ < 16) Fill();
        if (const std::uint16_t known = table.fast[buffer_ >> 24]) {
            Bits(known >> 8);
            return known & 0xFF;
        }
        std::int32_t code = Bits(8);
        for (int length = 9; length <= 16; ++length) {
            code = code << 1 | Bits(1);
            if (code <= table.maxCode[length]) return table.values[table.first[length] + code - table.minCode[length]];
        }
        return -1;
    }
    // Goes past the next restart marker; the bits before it are padding.
    void Restart() {
        buffer_ = 0;
        count_ = padding_ = 0;
        while (at_ + 1 < bytes_.size() && !(bytes_[at_] == 0xFF && bytes_[at_ + 1] >= 0xD0 && bytes_[at_ + 1] <= 0xD7)) ++at_;
        at_ = std::min(at_ + 2, bytes_.size());
    }
    bool UsedUp() const { return count_ == padding_ && AtMarker(); }
    bool AtRestart() const {
        return at_ + 1 < bytes_.size() && bytes_[at_] == 0xFF && bytes_[at_ + 1] >= 0xD0 && bytes_[at_ + 1] <= 0xD7;
    }
    // Where the next marker after the scan begins.
    std::size_t End() const {
        std::size_t at = at_;
        while (at + 1 < bytes_.size() && !(bytes_[at] == 0xFF && bytes_[at + 1] != 0 && (bytes_[at + 1] < 0xD0 || bytes_[at + 1] > 0xD7)))
            ++at;
        return at;
    }

private:
    // A marker, or the end of the data: the scan's data has ended.
    bool AtMarker() const {
        return at_ >= bytes_.size() || (bytes_[at_] == 0xFF && (at_ + 1 >= bytes_.size() || bytes_[at_ + 1] != 0));
    }
    void Fill() {
        while (count_ <= 24) {
            if (AtMarker()) {
                padding_ += 8;
            } else {
                buffer_ |= std::uint32_t{bytes_[at_]} << (24 - count_);
                at_ += bytes_[at_] == 0xFF ? 2 : 1;  // a stuffed zero follows
            }
            count_ += 8;
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_;
    std::uint32_t buffer_ = 0;  // the next bits, first at the top
    int count_ = 0;
    int padding_ = 0;  // how many of them, the last ones, are zeros past the data's end
};

struct Component {
    int id = 0, h = 1, v = 1, quantTable = 0, dcTable = 0, acTable = 0;
    std::uint32_t blocksWide = 0, blocksHigh = 0;  // whole MCUs
    std::vector<std::int32_t> dc;                  // each block's first coefficient, quantised
    bool scanned = false;
};

struct Frame {
    std::uint32_t width = 0, height = 0;
    int hMax = 1, vMax = 1;
    std::uint32_t mcusWide = 0, mcusHigh = 0;
    std::vector<Component> components;
};

std::uint32_t Word(std::span<const std::uint8_t> b, std::size_t at) { return b[at] << 8 | b[at + 1]; }
std::uint32_t CeilDiv(std::uint64_t a, std::uint64_t b) { return static_cast<std::uint32_t>((a + b - 1) / b); }

bool ReadFrame(std::span<const std::uint8_t> s, Frame& frame) {
    if (s.size() < 6 || s[0] != 8 || !frame.components.empty()) return false;
    frame.height = Word(s, 1);
    frame.width = Word(s, 3);
    const std::size_t count = s[5];
    if (!IsShowableSize({frame.width, frame.height}) || (count != 1 && count != 3) || s.size() < 6 + 3 * count)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        Component c;
        c.id = s[6 + 3 * i];
        c.h = s[7 + 3 * i] >> 4;
        c.v = s[7 + 3 * i] & 15;
        c.quantTable = s[8 + 3 * i];
        if (c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4 || c.quantTable > 3) return false;
        frame.hMax = std::max(frame.hMax, c.h);
        frame.vMax = std::max(frame.vMax, c.v);
        frame.components.push_back(c);
    }
    frame.mcusWide = CeilDiv(frame.width, 8u * frame.hMax);
    frame.mcusHigh = CeilDiv(frame.height, 8u * frame.vMax);
    for (Component& c : frame.components) {
        c.blocksWide = frame.mcusWide * c.h;
        c.blocksHigh = frame.mcusHigh * c.v;
        c.dc.assign(std::size_t{c.blocksWide} * c.blocksHigh, 0);
    }
    return true;
}

// Decodes one scan's blocks, keeping each block's first coefficient and reading past the rest.
EighthResult ReadScan(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> header, std::size_t data,
              Frame& frame, const std::array<Huffman, 4>& dcTables, const std::array<Huffman, 4>& acTables,
              std::uint32_t restartInterval, std::size_t& end) {
    constexpr EighthResult kNotRead = EighthResult::LeftToDecoder;
    if (frame.components.empty() || header.empty()) return kNotRead;
    const std::size_t count = header[0];
    if (count < 1 || count > frame.components.size() || header.size() != 4 + 2 * count) return kNotRead;
    std::vector<Component*> scan;
    for (std::size_t i = 0; i < count; ++i) {
        auto found = std::find_if(frame.components.begin(), frame.components.end(),
                                  [&](const Component& c) { return c.id == header[1 + 2 * i]; });
        if (found == frame.components.end()) return kNotRead;
        // Each scan would go over every block of the frame again, for a few bytes each.
        if (found->scanned) return EighthResult::Refused;
        found->dcTable = header[2 + 2 * i] >> 4;
        found->acTable = header[2 + 2 * i] & 15;
        if (found->dcTable > 3 || found->acTable > 3 || !dcTables[found->dcTable].defined ||
            !acTables[found->acTable].defined)
            return kNotRead;
        found->scanned = true;
        scan.push_back(&*found);
    }
    if (header[1 + 2 * count] != 0 || header[2 + 2 * count] != 63 || header[3 + 2 * count] != 0) return kNotRead;

    BitReader reader(bytes, data);
    const auto block = [&](Component& c, std::uint32_t x, std::uint32_t y, std::int32_t& previous) {
        const int size = reader.Decode(dcTables[c.dcTable]);
        if (size < 0 || size > 11) return false;
        // Bounded, so that no stream of forged differences can overflow it.
        previous = std::clamp(previous + reader.Signed(size), -65536, 65536);
        c.dc[std::size_t{y} * c.blocksWide + x] = previous;
        for (int k = 1; k < 64; ++k) {
            const int runSize = reader.Decode(acTables[c.acTable]);
            if (runSize < 0) return false;
            if ((runSize & 15) == 0) {
                if (runSize != 0xF0) break;  // end of block; else sixteen zeros
                k += 15;
                continue;
            }
            k += runSize >> 4;
            reader.Bits(runSize & 15);
        }
        return true;
    };
    std::array<std::int32_t, 3> previous{};
    // One component alone goes block by block over the blocks that hold picture; several go
    // MCU by MCU.
    const bool single = count == 1;
    Component& only = *scan[0];
    const std::uint32_t wide = single ? CeilDiv(CeilDiv(std::uint64_t{frame.width} * only.h, frame.hMax), 8) : frame.mcusWide;
    const std::uint32_t high = single ? CeilDiv(CeilDiv(std::uint64_t{frame.height} * only.v, frame.vMax), 8) : frame.mcusHigh;
    for (std::uint64_t unit = 0; unit < std::uint64_t{wide} * high; ++unit) {
        if (restartInterval && unit && unit % restartInterval == 0) {
            reader.Restart();
            previous = {};
        }
        // With the data used up, the rest of the scan stays mid-grey, or the rest of this
        // interval when a restart marker follows.
        if (reader.UsedUp()) {
            if (!restartInterval || !reader.AtRestart()) break;
            unit += restartInterval - 1 - unit % restartInterval;
            continue;
        }
        const auto x = static_cast<std::uint32_t>(unit % wide), y = static_cast<std::uint32_t>(unit / wide);
        if (single) {
            if (!block(only, x, y, previous[0])) return kNotRead;
            continue;
        }
        for (std::size_t i = 0; i < count; ++i)
            for (int by = 0; by < scan[i]->v; ++by)
                for (int bx = 0; bx < scan[i]->h; ++bx)
                    if (!block(*scan[i], x * scan[i]->h + bx, y * scan[i]->v + by, previous[i])) return kNotRead;
    }
    end = reader.End();
    return EighthResult::Decoded;
}

std::uint8_t Clamp(std::int32_t value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

}  // namespace

EighthResult DecodeJpegEighth(std::span<const std::uint8_t> bytes, EighthPicture& picture) {
    constexpr EighthResult kNotRead = EighthResult::LeftToDecoder;
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return kNotRead;
    std::array<std::int32_t, 4> quant{};  // each table's first step, the one of the block's mean
    std::array<bool, 4> quantDefined{};
    std::array<Huffman, 4> dcTables, acTables;
    std::uint32_t restartInterval = 0;
    bool adobeRgb = false;
    Frame frame;
    std::size_t at = 2;
    for (;;) {
        while (at < bytes.size() && bytes[at] == 0xFF && at + 1 < bytes.size() && bytes[at + 1] == 0xFF) ++at;
        if (at + 2 > bytes.size() || bytes[at] != 0xFF) break;  // the data ends without its end marker
        const std::uint8_t marker = bytes[at + 1];
        at += 2;
        if (marker == 0xD9) break;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
        if (at + 2 > bytes.size()) return kNotRead;
        const std::size_t length = Word(bytes, at);
        if (length < 2 || at + length > bytes.size()) return kNotRead;
        const std::span<const std::uint8_t> s = bytes.subspan(at + 2, length - 2);
        if (marker == 0xDB) {
            for (std::size_t i = 0; i < s.size();) {
                const int precision = s[i] >> 4, table = s[i] & 15;
                const std::size_t size = precision ? 128 : 64;
                if (precision > 1 || table > 3 || i + 1 + size > s.size()) return kNotRead;
                quant[table] = precision ? static_cast<std::int32_t>(Word(s, i + 1)) : s[i + 1];
                quantDefined[table] = true;
                i += 1 + size;
            }
        } else if (marker == 0xC4) {
            for (std::size_t i = 0; i < s.size();) {
                const int kind = s[i] >> 4, table = s[i] & 15;
                if (kind > 1 || table > 3 || i + 17 > s.size()) return kNotRead;
                int total = 0;
                for (int n = 0; n < 16; ++n) total += s[i + 1 + n];
                if (total > 256 || i + 17 + total > s.size()) return kNotRead;
                if (!Build((kind ? acTables : dcTables)[table], &s[i + 1], &s[i + 17], total)) return kNotRead;
                i += 17 + total;
            }
        } else if (marker == 0xC0 || marker == 0xC1) {
            if (!ReadFrame(s, frame)) return kNotRead;
        } else if (marker >= 0xC2 && marker <= 0xCF && marker != 0xC4) {
            return kNotRead;  // progressive, lossless, arithmetic-coded
        } else if (marker == 0xEE && s.size() >= 5 && std::equal(s.begin(), s.begin() + 5, "Adobe")) {
            // Its transform flag: 0 none (RGB), 1 YCbCr; anything else is for a full decoder.
            if (s.size() < 12 || s[11] > 1) return kNotRead;
            adobeRgb = s[11] == 0;
        } else if (marker == 0xDD) {
            if (s.size() < 2) return kNotRead;
            restartInterval = Word(s, 0);
        } else if (marker == 0xDA) {
            std::size_t end = 0;
            const EighthResult scan = ReadScan(bytes, s, at + length, frame, dcTables, acTables, restartInterval, end);
            if (scan != EighthResult::Decoded) return scan;
            at = end;
            continue;
        }
        at += length;
    }
    if (frame.components.empty()) return kNotRead;
    for (const Component& c : frame.components)
        if (!c.scanned || !quantDefined[c.quantTable]) return kNotRead;

    // Named R, G and B, components hold colours as they are, as the platform's decoder reads them.
    const std::vector<Component>& named = frame.components;
    const bool rgb = adobeRgb || (named.size() == 3 && named[0].id == 'R' && named[1].id == 'G' && named[2].id == 'B');
    picture.width = CeilDiv(frame.width, 8);
    picture.height = CeilDiv(frame.height, 8);
    picture.pixels.resize(std::size_t{picture.width} * picture.height * 4);
    std::array<std::int32_t, 3> value{};
    for (std::uint32_t y = 0; y < picture.height; ++y)
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            for (std::size_t i = 0; i < frame.components.size(); ++i) {
                const Component& c = frame.components[i];
                const std::int64_t coefficient =
                    std::int64_t{c.dc[std::size_t{y * c.v / frame.vMax} * c.blocksWide + x * c.h / frame.hMax]} *
                    quant[c.quantTable];
                // The block's mean is its first coefficient over eight, around the middle grey.
                value[i] = static_cast<std::int32_t>(std::clamp<std::int64_t>(128 + (coefficient >= 0 ? coefficient + 4 : coefficient - 4) / 8, 0, 255));
            }
            std::uint8_t* pixel = &picture.pixels[(std::size_t{y} * picture.width + x) * 4];
            if (frame.components.size() == 1) {
                pixel[0] = pixel[1] = pixel[2] = static_cast<std::uint8_t>(value[0]);
                continue;
            }
            if (rgb) {
                for (int i = 0; i < 3; ++i) pixel[2 - i] = static_cast<std::uint8_t>(value[i]);
                continue;
            }
            const std::int32_t luma = value[0] * 1024, cb = value[1] - 128, cr = value[2] - 128;
            pixel[0] = Clamp((luma + 1815 * cb + 512) >> 10);
            pixel[1] = Clamp((luma - 352 * cb - 731 * cr + 512) >> 10);
            pixel[2] = Clamp((luma + 1436 * cr + 512) >> 10);
        }
    return EighthResult::Decoded;
}

}  // namespace app
