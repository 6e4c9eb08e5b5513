#pragma once
// What kind of Windows program a program file holds, read from its bytes alone: nothing of
// it runs. Windows virtualizes a standard user's refused writes for a 32-bit program whose
// manifest names no execution level, never for a 64-bit one or one that names a level.

#include <cstdint>
#include <span>

namespace app {

enum class ProgramKind {
    NotAProgram,  // no Windows program, or one cut short before it says what it is
    Legacy32,     // 32-bit, without a manifest or with one that names no execution level
    Declared32,   // 32-bit, its manifest naming an execution level
    Bits64,
};

ProgramKind ReadProgramKind(std::span<const std::uint8_t> bytes);

}  // namespace app
