#pragma once

namespace users {
class TffReg;
class TfmTable;
}
namespace tasks {
class TffZad;
}

// The program's windows that live for the whole run, and the preparation of
// the working windows after a login.
namespace shell {

class TfmZast;
class TfmMain;
class TfmOs;
class TfmSearch;
class TfmCont;
class TfmWork;
class TffOwn;

struct Workspace {
    // Created at start-up.
    TfmZast* fmZast = nullptr;
    users::TffReg* ffReg = nullptr;
    // Created by PrepareWorkspace.
    TfmMain* fmMain = nullptr;
    TfmOs* fmOs = nullptr; // the time line, whose panel shows in section 2
    TfmSearch* fmSearch = nullptr; // the search, whose panel shows in section 5
    users::TfmTable* fmTable = nullptr; // the results table, section 3 (needs ffReg)
    TfmCont* fmCont = nullptr;   // contents
    TfmWork* fmWork = nullptr;   // topic pages (with the reference window)
    TffOwn* ffOwn = nullptr;     // lesson builder
    tasks::TffZad* ffZad = nullptr; // the task window
};

Workspace& workspace();

// After a successful login (or for a command-line mode): with the hourglass
// shown and the login window disabled, creates the working windows once,
// copies the formula tools "DLL\" into the temporary folder and frees the
// intro animations. Calling it again creates nothing twice.
void PrepareWorkspace();

} // namespace shell
