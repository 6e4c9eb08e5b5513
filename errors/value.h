#pragma once
// The argument values a procedure hands to ErrorIn: a small variant in the manner of
// the classic automation VARIANT, limited to the kinds this program passes.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace errors {

class LateBoundObject;

class Value {
public:
    struct Absent {};
    struct Empty {};
    struct Null {};
    struct Object {
        std::shared_ptr<LateBoundObject> object;  // null is the empty reference
    };
    using Array = std::vector<Value>;

    Value() : data_(Absent{}) {}
    Value(Empty e) : data_(e) {}
    Value(Null n) : data_(n) {}
    Value(std::int16_t v) : data_(v) {}
    Value(std::int32_t v) : data_(v) {}
    Value(double v) : data_(v) {}
    Value(bool v) : data_(v) {}
    Value(std::wstring v) : data_(std::move(v)) {}
    Value(const wchar_t* v) : data_(std::wstring(v)) {}
    Value(Object o) : data_(std::move(o)) {}
    Value(Array a) : data_(std::move(a)) {}

    using Data = std::variant<Absent, Empty, Null, std::int16_t, std::int32_t, double, bool, std::wstring,
                              Object, Array>;
    const Data& data() const { return data_; }

    bool isAbsent() const { return std::holds_alternative<Absent>(data_); }
    bool isArray() const { return std::holds_alternative<Array>(data_); }

private:
    Data data_;
};

// The argument values of a procedure with several arguments, in the order of their names.
template <class... T>
Value Args(T&&... values) {
    return Value(Value::Array{Value(std::forward<T>(values))...});
}

}  // namespace errors
