#pragma once
#include "labs/planimetry/labwindow.h"
#include "plane/view/planecontrol.h"
#include "support/fakedialogs.h"
#include "support/shellcallsrecorder.h"
#include "support/testsupport.h"
#include <memory>

// A fresh program folder and a shown planimetry lab for every test, with a
// recorder in the shell's place.
class Lab4Test : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QPoint Pixel(plane::geometry::Vec2 world) const;
    void Click(plane::geometry::Vec2 world);
    // Answers the next data input dialog with these texts (OK) or cancels it.
    void AnswerInput(const QStringList& texts, bool ok = true);
    // Chooses the item of a menu whose caption is given.
    void Choose(QMenu* menu, const QString& caption);

    FakeDialogs dialogs;
    ShellCallsRecorder shellCalls;
    std::unique_ptr<planimetrylab::TfmLab4> lab;
};
