#pragma once
// frmInfo: the program's title, version and the maker's two links.

#include "app/about_view.h"

namespace app {

class Program;

class frmInfo {
public:
    frmInfo(Program& program, AboutView& view) : program_(program), view_(view) {}

    void Form_Load();
    void lblWebsite_Click();
    void lblEMail_Click();
    void cbtnOk_Click();

private:
    Program& program_;
    AboutView& view_;
};

}  // namespace app
