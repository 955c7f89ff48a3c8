#pragma once
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include "testlab.h"

// A fresh program folder per test, with a recorder in the shell's place; the
// lab windows are released afterwards.
class LabTest : public ProgramFolderTest {
protected:
    void TearDown() override;
    // The bytes a lab file with these lines has.
    static QByteArray fileBytes(const QStringList& lines) { return cp1251Lines(lines); }

    ShellCallsRecorder shellCalls;
};
