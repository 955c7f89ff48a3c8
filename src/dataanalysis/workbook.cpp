#include "dataanalysis/workbook.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "dataanalysis/zipdirectory.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <freexl.h>
#include <ixion/formula.hpp>
#include <ixion/formula_name_resolver.hpp>
#include <ixion/model_context.hpp>
#include <ixion/model_iterator.hpp>
#include <ixion/cell.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <xlsxwriter.h>
#include <memory>

namespace dataanalysis {

namespace {

const QString kLabSuffix = QStringLiteral("LAB");
const QString kWorkbookSuffix = QStringLiteral("XLS");
const QByteArray kZipMagic("PK\x03\x04", 4);
const QByteArray kBinaryWorkbookMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
const char* const kWorksheetName = "Лист1";
// What a workbook may unpack to: a sheet of the lab's size (kMaxRow × kMaxCol
// cells) written as Office Open XML takes a few megabytes at most.
constexpr ZipLimits kWorkbookUnpacked{64 * 1024 * 1024, 160 * 1024 * 1024};

QString NotWorkbookMessage(const QString& path)
{
    return QStringLiteral("Файл \"%1\" не является рабочей книгой").arg(path);
}

QString CannotWriteMessage(const QString& path)
{
    return QStringLiteral("Не удается сохранить рабочую книгу \"%1\"").arg(path);
}

// Writes every cell into a new workbook file; false when the library fails.
bool WriteCells(const Sheet& sheet, const QByteArray& file)
{
    lxw_workbook* book = workbook_new(file.constData());
    if (!book) return false;
    lxw_worksheet* page = workbook_add_worksheet(book, kWorksheetName);
    bool written = page != nullptr;
    for (const auto& [cell, input] : sheet.inputs()) {
        if (!written) break;
        const auto row = lxw_row_t(cell.row - 1);
        const auto col = lxw_col_t(cell.col - 1);
        const QByteArray utf8 = input.trimmed().toUtf8();
        lxw_error error = LXW_NO_ERROR;
        if (sheet.isFormula(cell) && utf8.size() > 1) {
            error = worksheet_write_formula_num(page, row, col, utf8.constData(), nullptr, sheet.number(cell).value_or(0));
        } else if (const auto value = ParseCellNumber(input)) {
            error = worksheet_write_number(page, row, col, *value, nullptr);
        } else {
            error = worksheet_write_string(page, row, col, input.toUtf8().constData(), nullptr);
        }
        written = error == LXW_NO_ERROR;
    }
    return workbook_close(book) == LXW_NO_ERROR && written;
}

QString ReadOfficeOpenXml(const QByteArray& bytes, Sheet& sheet)
{
    using namespace orcus::spreadsheet;
    document book(range_size_t{kMaxRow, kMaxCol});
    import_factory factory(book);
    orcus::orcus_xlsx reader(&factory);
    reader.read_stream(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (book.get_sheet_count() == 0) return {};
    const ixion::model_context& cells = book.get_model_context();
    const auto names = ixion::formula_name_resolver::get(ixion::formula_name_resolver_t::excel_a1, &cells);
    ixion::abs_rc_range_t whole;
    whole.first = ixion::abs_rc_address_t(0, 0);
    whole.last = ixion::abs_rc_address_t(kMaxRow - 1, kMaxCol - 1);
    for (auto it = cells.get_model_iterator(0, ixion::rc_direction_t::horizontal, whole); it.has(); it.next()) {
        const auto& found = it.get();
        const CellPos cell{int(found.row) + 1, int(found.col) + 1};
        switch (found.type) {
        case ixion::celltype_t::numeric:
            sheet.setInput(cell, FormatCellNumber(std::get<double>(found.value)));
            break;
        case ixion::celltype_t::boolean:
            sheet.setInput(cell, std::get<bool>(found.value) ? QStringLiteral("1") : QStringLiteral("0"));
            break;
        case ixion::celltype_t::string:
            if (const std::string* text = cells.get_string(std::get<ixion::string_id_t>(found.value)))
                sheet.setInput(cell, QString::fromStdString(*text));
            break;
        case ixion::celltype_t::formula: {
            const ixion::formula_cell* formula = std::get<const ixion::formula_cell*>(found.value);
            const ixion::abs_address_t at(0, found.row, found.col);
            sheet.setInput(cell, u'=' + QString::fromStdString(ixion::print_formula_tokens(
                                     cells, at, *names, formula->get_tokens()->get())));
            break;
        }
        default: break;
        }
    }
    return {};
}

QString ReadBinaryWorkbook(const QString& realPath, Sheet& sheet)
{
    const void* handle = nullptr;
    const QByteArray name = QFile::encodeName(realPath);
    const bool opened = freexl_open(name.constData(), &handle) == FREEXL_OK;
    const std::unique_ptr<const void, int (*)(const void*)> closer(handle, freexl_close);
    unsigned int rows = 0;
    unsigned short cols = 0;
    if (!opened || freexl_select_active_worksheet(handle, 0) != FREEXL_OK
        || freexl_worksheet_dimensions(handle, &rows, &cols) != FREEXL_OK)
        return NotWorkbookMessage(realPath);
    for (unsigned int row = 0; row < std::min(rows, unsigned(kMaxRow)); ++row) {
        for (unsigned short col = 0; col < std::min(cols, (unsigned short)kMaxCol); ++col) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle, row, col, &value) != FREEXL_OK) continue;
            const CellPos cell{int(row) + 1, int(col) + 1};
            switch (value.type) {
            case FREEXL_CELL_INT: sheet.setInput(cell, QString::number(value.value.int_value)); break;
            case FREEXL_CELL_DOUBLE: sheet.setInput(cell, FormatCellNumber(value.value.double_value)); break;
            case FREEXL_CELL_NULL: break;
            default:
                if (value.value.text_value) sheet.setInput(cell, QString::fromUtf8(value.value.text_value));
            }
        }
    }
    return {};
}

} // namespace

std::optional<QString> PairedWorkbookName(const QString& labFile)
{
    const QString name = QFileInfo(QString(labFile).replace(u'\\', u'/')).fileName();
    if (name.size() < kLabSuffix.size() || !name.endsWith(kLabSuffix, Qt::CaseInsensitive)) return std::nullopt;
    return labFile.left(labFile.size() - kLabSuffix.size()) + kWorkbookSuffix;
}

QString UnpairedNameMessage(const QString& labFile)
{
    return QStringLiteral("Имя файла \"%1\" не оканчивается на \"LAB\": рабочую книгу рядом с ним сохранить нельзя")
        .arg(labFile);
}

QString WriteWorkbook(const Sheet& sheet, const QString& path)
{
    // The library writes to a file of its own; the finished workbook then
    // replaces the old one in a single step.
    const QTemporaryDir scratch;
    if (!scratch.isValid()) return CannotWriteMessage(path);
    const QString draft = scratch.filePath(QStringLiteral("book.xlsx"));
    QFile written(draft);
    if (!WriteCells(sheet, QFile::encodeName(draft)) || !written.open(QIODevice::ReadOnly))
        return CannotWriteMessage(path);
    if (!base::WriteBytes(path, written.readAll())) return CannotWriteMessage(path);
    return {};
}

QString ReadWorkbook(const QString& path, Sheet& sheet)
{
    const QString realPath = base::RealPath(path);
    QFile file(realPath);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("Не удается открыть файл \"%1\"").arg(path);
    if (file.size() > kMaxWorkbookBytes) return NotWorkbookMessage(path);
    const QByteArray head = file.peek(kBinaryWorkbookMagic.size());
    if (head.startsWith(kBinaryWorkbookMagic)) return ReadBinaryWorkbook(realPath, sheet);
    return ReadWorkbookBytes(file.readAll(), sheet);
}

QString ReadWorkbookBytes(const QByteArray& bytes, Sheet& sheet)
{
    if (!bytes.startsWith(kZipMagic) || bytes.size() > kMaxWorkbookBytes)
        return QStringLiteral("Данные не являются рабочей книгой");
    if (!ZipArchiveReadable(bytes, kWorkbookUnpacked))
        return QStringLiteral("Рабочая книга повреждена или слишком велика и не прочитана");
    try {
        const QString error = ReadOfficeOpenXml(bytes, sheet);
        sheet.recalculate();
        return error;
    } catch (const std::exception&) {
        sheet.recalculate();
        return QStringLiteral("Рабочая книга повреждена и прочитана не полностью");
    }
}

} // namespace dataanalysis
