#pragma once
#include "labs/probability/labwindow.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <memory>

// A fresh program folder with the four model pages and a shown probability
// lab window for every test, with a recorder in the shell's place.
class Lab16Test : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A dice strip whose tile v is a square of DieColour(v) on white.
    static QByteArray DiceStrip();
    static QColor DieColour(int value);
    // Writes a model page whose form has the four fields the lab reads.
    void writeModelPage(int kind);
    // Clicks the outcome row (counted from 0 among the rows shown) of Grid1.
    void clickOutcome(int row);
    // Sets the page's fields and presses OK.
    void confirm(const QStringList& fields);

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    const QStringList& notes = shellCalls.notes;
    std::unique_ptr<probabilitylab::TfmLab16> lab;
};
