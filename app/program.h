#pragma once
// The state the whole program shares: the interface language, the close-after-apply
// setting, and the one registry store, text file helper and file-system object, each
// created by whichever procedure needs it first.

#include <cstdint>
#include <memory>

#include "errors/err_trace.h"

namespace platform {
class AnsiCodePage;
class Environment;
class FileDialog;
class FileSystem;
class MessageBoxes;
class ProcessStarter;
class Registry;
class Screen;
class Shell;
class SystemInfo;
class UserLocale;
}  // namespace platform

namespace app {

class clsFile;
class clsReg;

// What the operating system provides to the program's behaviour, and the window that shows
// its error reports.
struct Services {
    platform::Registry& registry;
    platform::ProcessStarter& processStarter;
    platform::FileSystem& fileSystem;
    platform::AnsiCodePage& codePage;
    platform::MessageBoxes& messageBoxes;
    platform::FileDialog& fileDialog;
    platform::Shell& shell;
    platform::Screen& screen;
    platform::UserLocale& locale;
    platform::SystemInfo& system;
    platform::Environment& environment;
    errors::ReportView& reportWindow;
};

class Program {
public:
    explicit Program(const Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Services& services;

    std::int16_t intLanguage = 0;
    std::int16_t intCloseAfterChange = 0;

    clsReg& objReg();
    clsFile& objFile();
    platform::FileSystem& objFileSystem();

private:
    // The error module reports through the same services for as long as the program runs.
    errors::ErrTraceScope errTrace_;
    std::unique_ptr<clsReg> reg_;
    std::unique_ptr<clsFile> file_;
};

}  // namespace app
