#include "app/program.h"

#include "app/registry_store.h"
#include "app/settings_dialog.h"
#include "app/text_file.h"
#include "error/error.h"

namespace app {

Program::Program(const Services& s)
    : services(s), errTrace_({&s.system, &s.messageBoxes, &s.reportWindow}) {}
Program::~Program() = default;

clsReg& Program::objReg() {
    if (!reg_) reg_ = std::make_unique<clsReg>(services.registry, services.processStarter);
    return *reg_;
}

clsFile& Program::objFile() {
    if (!file_) file_ = std::make_unique<clsFile>(services.fileSystem, services.codePage);
    return *file_;
}

platform::FileSystem& Program::objFileSystem() { return services.fileSystem; }

frmMain& Program::MainWindow() {
    if (!mainWindow) errors::Raise(errors::RuntimeError::ObjectNotSet);
    return *mainWindow;
}

frmSettings& Program::settingsDialog() {
    if (!settings_) settings_ = std::make_unique<frmSettings>(*this);
    return *settings_;
}

}  // namespace app
