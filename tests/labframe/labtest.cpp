#include "labtest.h"
#include "labframe/labregistry.h"

void LabTest::TearDown()
{
    labframe::ReleaseLabs();
    ProgramFolderTest::TearDown();
}
