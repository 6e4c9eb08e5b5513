#pragma once
// clsReg, the program's only access to the registry: named text values below one key,
// whose path the owner sets through the properties before a group of reads or writes.
// Registry failures are not errors here: a value that cannot be read reads as missing, and
// a value that cannot be written is lost without a word.

#include <cstdint>
#include <string>
#include <variant>

#include "platform/process_starter.h"
#include "platform/registry.h"

namespace app {

class clsReg {
public:
    clsReg(platform::Registry& registry, platform::ProcessStarter& starter)
        : registry_(registry), starter_(starter) {}

    // Kept for the owner; no operation uses it.
    const std::wstring& IniName() const { return iniName_; }
    void SetIniName(std::wstring strIniName) { iniName_ = std::move(strIniName); }
    const std::wstring& MainBranch() const { return mainBranch_; }
    void SetMainBranch(std::wstring strMainBranch) { mainBranch_ = std::move(strMainBranch); }
    const std::wstring& Program() const { return program_; }
    void SetProgram(std::wstring strProgram) { program_ = std::move(strProgram); }
    const std::wstring& RegBase() const { return regBase_; }
    void SetRegBase(std::wstring strRegBase) { regBase_ = std::move(strRegBase); }
    std::int32_t RootKey() const { return rootKey_; }
    void SetRootKey(std::int32_t lngRootKey) { rootKey_ = lngRootKey; }
    const std::wstring& Section() const { return section_; }
    void SetSection(std::wstring strSection) { section_ = std::move(strSection); }
    // Which registry view the key is in; the program's own unless set.
    platform::RegistryView View() const { return view_; }
    void SetView(platform::RegistryView view) { view_ = view; }

    // The value, or strDefault when it is missing, unreadable, of another type or empty.
    std::wstring ReadEntry(const std::wstring& strName, const std::wstring& strDefault);
    // Stores the value as REG_SZ, creating the key and every missing key above it.
    void WriteEntry(const std::wstring& strName, const std::wstring& strValue);
    // Start regedit and return at once.
    void ExportNode(const std::wstring& strNode, const std::wstring& strFile);
    void ImportNode(const std::wstring& strFile);

private:
    using RegValue = std::variant<std::monostate, std::wstring, std::int32_t>;

    std::wstring KeyPath() const;
    RegValue QueryValue(std::int32_t lngRoot, const std::wstring& strPath, const std::wstring& strName);
    void SetValue(std::int32_t lngRoot, const std::wstring& strPath, const std::wstring& strName,
                  const std::wstring& strValue, std::uint32_t lngType);

    platform::Registry& registry_;
    platform::ProcessStarter& starter_;
    std::int32_t rootKey_ = platform::kHkeyLocalMachine;
    std::wstring mainBranch_ = L"SOFTWARE";
    std::wstring regBase_;
    std::wstring program_;
    std::wstring section_ = L"Settings";
    std::wstring iniName_;
    platform::RegistryView view_ = platform::RegistryView::Own;
};

}  // namespace app
