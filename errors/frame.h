#pragma once
// The frame every procedure of the program follows: a local error trap from statement 10,
// numbered statements, and a handler that hands the failure to ErrorIn.
//
//     void clsFile::OpenForOutput(std::wstring strPath, std::wstring strBody) {
//         errors::Frame frame(L"clsFile.OpenForOutput(strPath,strBody)", errors::Procedure,
//                             [&] { return errors::Args(strPath, strBody); });
//         frame.run([&] {
//             frame.at(20); ...
//             frame.at(30); ...
//         });
//     }
//
// A Procedure frame raises the error again to its caller; an EventHandler frame shows the
// report and returns normally, so that a failure never stops the program.

#include <cstdint>
#include <functional>
#include <string_view>
#include <type_traits>

#include "errors/err_trace.h"
#include "errors/value.h"

namespace errors {

enum FrameKind { Procedure, EventHandler };

class Frame {
public:
    // Argument values are read when a failure is handled, so that they show what the
    // procedure's variables held then.
    using ArgValues = std::function<Value()>;

    Frame(std::wstring_view identity, FrameKind kind, ArgValues args = {})
        : identity_(identity), kind_(kind), args_(std::move(args)) {
        ClearCurrentError();
    }

    void at(std::int32_t statement) noexcept { statement_ = statement; }

    template <class Body>
    auto run(Body&& body) -> decltype(body()) {
        using Result = decltype(body());
        try {
            return body();
        } catch (...) {
            TakeOverFailure();
            HandleFailure();
            if constexpr (!std::is_void_v<Result>) return Result{};
        }
    }

private:
    void TakeOverFailure() noexcept;  // makes the failure in flight the current error
    void HandleFailure();            // ErrorIn, then raise (Procedure) or report (EventHandler)

    std::wstring_view identity_;
    FrameKind kind_;
    ArgValues args_;
    std::int32_t statement_ = 10;
};

}  // namespace errors
