#pragma once
// Clean-up of a failed procedure's data-access connection and transaction, and the report
// lines that tell what was done. Every step traps its own failures.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "errors/late_bound.h"

namespace errors::data_access {

using AddLine = std::function<void(const std::wstring&)>;

std::shared_ptr<LateBoundObject> GetConnection(const std::shared_ptr<LateBoundObject>& dbObject);
void AddAdoInfo(LateBoundObject* connection, LateBoundObject* dbObject, const std::wstring& adoVersion,
                const AddLine& addLine);
void AbortTransaction(std::int32_t options, LateBoundObject* connection, LateBoundObject* transObject,
                      const AddLine& addLine);
void CloseConnection(LateBoundObject* connection, const AddLine& addLine);
std::wstring CallDbMethod(LateBoundObject& target, std::wstring_view methodName);
std::wstring AdoStateText(std::int32_t state);
// The transaction context of the request being served; this program serves none.
LateBoundObject* GetContextObject();

}  // namespace errors::data_access
