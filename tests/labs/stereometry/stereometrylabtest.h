#pragma once
#include "labs/stereometry/labwindow.h"
#include "space/view/dec3d.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <memory>

// A fresh program folder and a shown stereometry lab for every test, with a
// recorder in the shell's place.
class Lab13Test : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QPoint Pixel(double x, double y) const;
    void Click(double x, double y);
    // Answers the next data input dialog with this text (OK) or cancels it.
    void AnswerInput(const QString& text, bool ok = true);
    // Chooses the item of a menu whose caption is given.
    void Choose(QMenu* menu, const QString& caption);
    // The default the last answered input dialog offered.
    QString lastDefault;

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<stereometrylab::TfmLab13> lab;
};
