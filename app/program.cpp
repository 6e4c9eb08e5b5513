#include "app/program.h"

#include "app/registry_store.h"
#include "app/text_file.h"

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

}  // namespace app
