#include "labs/probability/tfmlab16.h"
#include "labs/probability/lab16widgets.h"
#include "probability/laplas.h"
#include "shell/base/paths.h"
#include "support/fakedialogs.h"
#include "support/testsupport.h"
#include "ui/htmlview.h"
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QLabel>
#include <QScrollBar>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(Shots, Take)
{
    FakeDialogs dialogs;
    shell::SetProgramFolder(qEnvironmentVariable("ORINDO_PROGRAM_DIR"));
    lab::TfmLab16 lab;
    lab.show();
    lab.resize(1280, 800);
    QTest::qWait(50);
    auto shot = [&](const QString& name) {
        WaitUntil([&] { return lab.HTML->IsReady(); }, 8000);
        QTest::qWait(300);
        lab.grab().save("/tmp/shot16_" + name + ".png");
    };
    shot("coins");
    auto items = lab.PopupEx->actions();
    for (int i = 0; i < items.size(); ++i) {
        items[i]->trigger();
        lab.SeriesTimer->stop();
        for (int e = 0; e < 60; ++e) lab.Laplas->RunOne();
        shot(QString("ex%1").arg(i));
    }
    items[1]->trigger();
    for (int e = 0; e < 200; ++e) lab.Laplas->RunOne();
    lab.ComboBox1->setCurrentIndex(1);
    shot("mode1");
    lab.ComboBox1->setCurrentIndex(2);
    for (int i = 0; i < 30; ++i) lab.ScaleStep(4);
    for (int i = 0; i < 10; ++i) lab.ScaleStep(1);
    shot("mode2");
    lab.bt1->click();
    lab.HTML->SetFormValues({"CountGet=31", "Tip1=будем"});
    lab.btOK->click();
    lab.Laplas->RunOne();
    lab.Grid1->verticalScrollBar()->setValue(10000);
    shot("coins31");
    lab.bt3->click();
    lab.HTML->SetFormValues({"Count=120", "CountGet=5"});
    lab.btOK->click();
    lab.Laplas->RunOne();
    shot("balls120");
    for (auto& m : dialogs.messages) printf("MSG %s\n", qPrintable(m.text));
}
TEST(Shots, MinSize)
{
    shell::SetProgramFolder(qEnvironmentVariable("ORINDO_PROGRAM_DIR"));
    lab::TfmLab16 lab;
    printf("MIN %d %d imTop %d header %d panel2 %d\n", lab.minimumSizeHint().width(), lab.minimumSizeHint().height(),
           lab.imTop->minimumSizeHint().width(), lab.workArea()->minimumSizeHint().width(), lab.Panel2->minimumSizeHint().width());
}
TEST(Shots, Width)
{
    shell::SetProgramFolder(qEnvironmentVariable("ORINDO_PROGRAM_DIR"));
    lab::TfmLab16 lab;
    lab.resize(1280, 800);
    printf("W0 %d\n", lab.width());
    lab.show();
    printf("W1 %d min %d\n", lab.width(), lab.minimumWidth());
    lab.resize(1280, 800);
    QTest::qWait(100);
    printf("W2 %d minhint %d\n", lab.width(), lab.minimumSizeHint().width());
}
