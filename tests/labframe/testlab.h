#pragma once
#include "labframe/radiogroup.h"
#include "labframe/labwindow.h"
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

// A lab with one control of every kind the lab file keeps, and a stand-in
// engine that keeps the lines after "#" as its records.
class TestLab : public labframe::TfmLab {
public:
    explicit TestLab(int number = 6);

    void ClearLab() override;
    void ReadLab(const labframe::LabFileData& data) override;
    void WriteLab(labframe::LabFileData& data) override;

    QToolButton* btTool;  // can stay pressed
    QToolButton* btPlain; // cannot
    QLineEdit* edName;
    QSpinBox* seCount;
    QComboBox* cbKind;
    labframe::RadioGroup* rgMode;
    QTableWidget* sgData;
    QTreeWidget* tvTopics;
    QTimer* Timer1;
    QFrame* pnPicture;

    QStringList engineRecords;
    // Called with the engine lines and the file line of the first before
    // they are kept; may throw as an engine's reader does.
    std::function<void(const QStringList&, int)> readEngine;
    int toolClicks = 0;
    int plainClicks = 0;
};
