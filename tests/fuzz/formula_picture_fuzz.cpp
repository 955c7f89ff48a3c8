// A page line with formula tags (bytes read as Windows-1251) expanded into
// pictures: every formula the notation reader makes of it is measured, drawn
// and written, and must never crash or hang; the first byte picks the
// picture font size. The pictures of every input go to one temporary
// folder and overwrite those of the input before.
#include "formulas/formula.h"
#include "formulas/formulapages.h"
#include "shell/base/paths.h"
#include "shell/base/textfile.h"
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static QTemporaryDir folder;
    shell::SetTempFolder(folder.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > 4096) return 0;
    formulas::SetPictureFontSize(6 + data[0] % 40);
    QString line = shell::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));

    formulas::TFormula formula;
    formula.SetText(line);
    formula.SetEditing(data[0] & 0x80);
    const QImage picture = formula.Picture(Qt::black, Qt::white);
    if (picture.isNull()) __builtin_trap();

    int counter = 0;
    formulas::ExpandFormulaTags(line, counter);
    return 0;
}
