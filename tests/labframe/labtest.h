#pragma once
#include "support/testsupport.h"
#include "testlab.h"

// A fresh program folder per test; the lab windows and the shell hooks are
// released afterwards.
class LabTest : public ProgramFolderTest {
protected:
    void TearDown() override;
    // The bytes a lab file with these lines has.
    static QByteArray fileBytes(const QStringList& lines) { return cp1251Lines(lines); }
};
