// Lab files of any content, loaded into a lab with a control of every kind.
// Besides never crashing, hanging or allocating without bound, what a file
// leaves in the lab must survive a save and a reload unchanged, and the check
// without a window must refuse exactly the files the window refuses.
#include "labframe/file/labformats.h"
#include "labframe/labwindow.h"
#include "labframe/testlab.h" // the test lab of tests/labframe
#include "base/textfile.h"
#include "ui/dialogs.h"
#include <QApplication>
#include <cstdlib>

namespace {

// Messages are expected; nothing may wait for a user.
class SilentDialogs : public ui::Dialogs {
public:
    void message(const QString&, const QString&) override {}
    ui::Answer question(const QString&, const QString&, ui::Choice, ui::Answer answer) override { return answer; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog&) override { return 0; }
};

TestLab* g_lab = nullptr;

QString Saved(TestLab& lab)
{
    labframe::LabFileData data;
    lab.WriteLab(data);
    return labframe::LabDataText(data);
}

} // namespace

// Qt and fontconfig keep process-wide caches that are never freed; they are not leaks of ours.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end of the process: Qt must not be torn down by exit handlers.
    new QApplication(*argc, *argv);
    ui::setDialogs(new SilentDialogs);
    g_lab = new TestLab(6);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const bool loaded = g_lab->LoadLabText(text);
    labframe::LabFormat format;
    format.number = g_lab->number();
    format.controls = labframe::ControlFormats(g_lab->components());
    if (labframe::CheckLabText(format, text).has_value() == loaded) std::abort();
    const QString first = Saved(*g_lab);
    if (!g_lab->LoadLabText(first) || Saved(*g_lab) != first) std::abort();
    return 0;
}
