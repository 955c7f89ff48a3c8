#pragma once
#include "dataanalysis/sheet.h"
#include <QString>
#include <optional>

// The workbook beside a lab file: the cells of the lab's sheet. It is written
// as an Office Open XML workbook (libxlsxwriter), which spreadsheet programs
// open, and read with liborcus; a workbook in the old binary format gives
// its values through libfreexl (formulas arrive as the values they last had).
namespace dataanalysis {

// Workbooks larger than this are not the lab's and are refused unread.
constexpr qint64 kMaxWorkbookBytes = 16 * 1024 * 1024;

// The workbook paired with a lab file: the lab file's name without its last
// three characters followed by "XLS" (data.LAB pairs with data.XLS).
// nullopt when the name does not end in "LAB" (in any letter case), so that
// no other file is ever taken for the workbook and overwritten.
std::optional<QString> PairedWorkbookName(const QString& labFile);
// The message for a lab file whose workbook has no name.
QString UnpairedNameMessage(const QString& labFile);

// Writes the sheet's cells (numbers, texts, formulas with their values) to a
// workbook at a real or program path, replacing it in one step. Empty when
// written, else the message to show; a failed write leaves the old file.
QString WriteWorkbook(const Sheet& sheet, const QString& path);

// Fills sheet (which the caller has cleared) from the first worksheet of a
// workbook; cells outside the sheet's bounds are left out. Empty when read,
// else the message to show.
QString ReadWorkbook(const QString& path, Sheet& sheet);
// The same for a workbook's bytes (the tools' and fuzz target's entry).
QString ReadWorkbookBytes(const QByteArray& bytes, Sheet& sheet);

} // namespace dataanalysis
