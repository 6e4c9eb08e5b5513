#pragma once
// An outside component reached only by member name (data-access connections, commands,
// record sets, transaction objects). Members that fail throw errors::Error.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "errors/value.h"

namespace errors {

class LateBoundObject {
public:
    virtual ~LateBoundObject() = default;
    virtual std::wstring TypeName() const = 0;
    virtual Value Get(std::wstring_view member) = 0;
    virtual void Call(std::wstring_view method) = 0;
    // The items of a collection object, in collection order.
    virtual std::vector<std::shared_ptr<LateBoundObject>> Items() = 0;
};

}  // namespace errors
