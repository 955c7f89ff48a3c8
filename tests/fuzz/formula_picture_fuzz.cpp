// A page line with formula tags (bytes read as Windows-1251) expanded into
// pictures: every formula the notation reader makes of it is measured, drawn
// and written, and must never crash or hang; the first byte picks the
// picture font size. The pictures of every input go to one temporary
// folder and overwrite those of the input before.
#include "formulas/formula.h"
#include "formulas/view/formulapages.h"
#include "formulas/view/picture.h"
#include "base/paths.h"
#include "base/textfile.h"
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// Qt and fontconfig keep process-wide caches that are never freed; they are
// not leaks of ours (the notation itself is checked for leaks by notation_fuzz).
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the fuzzer leaves through exit(), after which the
    // platform's teardown would run on freed state.
    new QGuiApplication(*argc, *argv);
    auto* folder = new QTemporaryDir;
    base::SetTempFolder(folder->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > 4096) return 0;
    formulas::SetPictureFontSize(6 + data[0] % 40);
    QString line = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));

    formulas::TFormula formula;
    formula.SetText(line);
    formula.SetEditing(data[0] & 0x80);
    const QImage picture = formulas::Picture(formula, Qt::black, Qt::white);
    if (picture.isNull()) __builtin_trap();

    int counter = 0;
    formulas::ExpandFormulaTags(line, counter);
    return 0;
}
