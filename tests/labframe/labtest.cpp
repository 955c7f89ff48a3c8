#include "labtest.h"
#include "labframe/labregistry.h"
#include "ui/hooks.h"

void LabTest::TearDown()
{
    labframe::ReleaseLabs();
    ui::hooks() = {};
    ProgramFolderTest::TearDown();
}
