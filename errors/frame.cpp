#include "errors/frame.h"

#include <new>

namespace errors {

void Frame::TakeOverFailure() noexcept {
    ErrorRecord& current = CurrentError();
    try {
        throw;
    } catch (const Error& e) {
        current = e.record();
    } catch (const std::bad_alloc&) {
        current = ErrorRecord{};
        current.number = static_cast<std::int32_t>(RuntimeError::OutOfMemory);
        current.source = kRuntimeSource;
        current.description = RuntimeErrorText(RuntimeError::OutOfMemory);
    } catch (...) {
        current = ErrorRecord{};
        current.number = static_cast<std::int32_t>(RuntimeError::Internal);
        current.source = kRuntimeSource;
        current.description = RuntimeErrorText(RuntimeError::Internal);
    }
    current.statement = statement_;
}

void Frame::HandleFailure() {
    Value args;
    if (args_) {
        try {
            args = args_();
        } catch (...) {
        }
    }
    if (kind_ == Procedure) {
        ErrorIn(identity_, args, kProcedureOptions);
        return;  // not reached: ErrorIn raises again
    }
    ErrorIn(identity_, args, kEventHandlerOptions);
    ShowErrorReport(false);
    ClearCurrentError();
}

}  // namespace errors
