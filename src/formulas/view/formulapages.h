#pragma once
#include <QColor>
#include <QString>

// Formulas in pages: before a page goes to the HTML view, every tag
// <FORMULA=[bracket notation]> of its lines becomes a picture of the formula
// in the temporary folder.
//
// The caller owns the picture counter and keeps it for a whole page, so that
// every formula of the page gets its own file: topic and history pages start
// it at 0, the hint window at 1000, the task window at 2000. Pictures
// of the same name are overwritten by later pages, never deleted.
namespace formulas {

// Replaces every "<FORMULA=" ... ">" of the line (the tag's name in any
// letter case) by <IMG SRC="{temporary folder}{n}.GIF"> after writing that
// picture, n being the counter increased by one for each tag. A tag without
// its closing ">" stays in the line as it is and ends the expansion.
void ExpandFormulaTags(QString& line, int& counter);

// Builds a formula from bracket text and writes its picture at the picture
// font size: a GIF whose transparent colour is the background when the file
// name contains ".gif" in any letter case, a Windows bitmap otherwise. The
// file name is a program path or a real path. (SaveImage of picture.h
// tells whether the file could be written.)
void RenderFormulaGif(const QString& bracketText, const QString& fileName,
                      const QColor& textColour, const QColor& backgroundColour);

// The point size of formula pictures, for the whole process; the topic page
// window keeps it at its page font size + 2. Sizes are kept within 6..96.
int PictureFontSize();
void SetPictureFontSize(int points);

} // namespace formulas
