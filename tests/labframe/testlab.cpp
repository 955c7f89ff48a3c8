#include "testlab.h"
#include <QVBoxLayout>

TestLab::TestLab(int number) : TfmLab(number)
{
    QWidget* area = workArea();
    auto* layout = new QVBoxLayout(area);

    btTool = addControl<QToolButton>(QStringLiteral("btTool"), toolBar());
    btTool->setCheckable(true);
    toolBar()->layout()->addWidget(btTool);
    connect(btTool, &QToolButton::clicked, this, [this] { ++toolClicks; });
    btPlain = addControl<QToolButton>(QStringLiteral("btPlain"), toolBar());
    toolBar()->layout()->addWidget(btPlain);
    connect(btPlain, &QToolButton::clicked, this, [this] { ++plainClicks; });

    edName = addControl<QLineEdit>(QStringLiteral("edName"), area);
    seCount = addControl<QSpinBox>(QStringLiteral("seCount"), area);
    seCount->setRange(1, 50);
    cbKind = addControl<QComboBox>(QStringLiteral("cbKind"), area);
    cbKind->addItems({QStringLiteral("точки"), QStringLiteral("прямые"), QStringLiteral("круги")});
    rgMode = addControl<labframe::RadioGroup>(QStringLiteral("rgMode"), area);
    rgMode->setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    rgMode->setItemIndex(0);
    sgData = addControl<QTableWidget>(QStringLiteral("sgData"), area);
    sgData->setRowCount(2);
    sgData->setColumnCount(3);
    tvTopics = addControl<QTreeWidget>(QStringLiteral("tvTopics"), area);
    auto* first = new QTreeWidgetItem(tvTopics, {QStringLiteral("A")});
    new QTreeWidgetItem(first, {QStringLiteral("A1")});
    new QTreeWidgetItem(first, {QStringLiteral("A2")});
    auto* second = new QTreeWidgetItem(tvTopics, {QStringLiteral("B")});
    new QTreeWidgetItem(second, {QStringLiteral("B1")});
    Timer1 = addControl<QTimer>(QStringLiteral("Timer1"), this);
    Timer1->setInterval(60000);
    pnPicture = addControl<QFrame>(QStringLiteral("pnPicture"), area);
    pnPicture->resize(50, 40);
    for (QWidget* widget : {static_cast<QWidget*>(edName), static_cast<QWidget*>(seCount),
                            static_cast<QWidget*>(cbKind), static_cast<QWidget*>(rgMode),
                            static_cast<QWidget*>(sgData), static_cast<QWidget*>(tvTopics)})
        layout->addWidget(widget);
}

void TestLab::ClearLab()
{
    TfmLab::ClearLab();
    engineRecords.clear();
}

void TestLab::ReadLab(const labframe::LabFileData& data)
{
    TfmLab::ReadLab(data);
    if (readEngine) readEngine(data.engineLines, data.engineLine);
    engineRecords = data.engineLines;
}

void TestLab::WriteLab(labframe::LabFileData& data)
{
    TfmLab::WriteLab(data);
    data.engineLines = engineRecords;
}
