#include "dataanalysis/workbook.h"
#include "base/paths.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace dataanalysis;

namespace {

class WorkbookTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void fill(Sheet& sheet) const
    {
        sheet.setInput({1, 1}, QStringLiteral("День"));
        sheet.setInput({1, 2}, QStringLiteral("Температура"));
        for (int day = 1; day <= 5; ++day) {
            sheet.setInput({day + 1, 1}, QString::number(day));
            sheet.setInput({day + 1, 2}, QString::number(day * 1.5 - 3).replace(u'.', u','));
        }
        sheet.setInput({7, 2}, QStringLiteral("=AVERAGE(B2:B6)"));
        sheet.setInput({8, 2}, QStringLiteral("=SUM(B2:B6)"));
        sheet.setInput({1, kMaxCol}, QStringLiteral("край"));
        sheet.setInput({kMaxRow, 3}, QStringLiteral("0,125"));
        sheet.recalculate();
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(WorkbookTest, AWrittenWorkbookReadsBackCellByCell)
{
    Sheet written;
    fill(written);
    ASSERT_EQ(WriteWorkbook(written, path("data.XLS")), QString());
    Sheet read;
    ASSERT_EQ(ReadWorkbook(path("data.XLS"), read), QString());
    ASSERT_EQ(read.inputs().size(), written.inputs().size());
    for (const auto& [cell, input] : written.inputs()) {
        EXPECT_EQ(read.text(cell), written.text(cell)) << CellName(cell).toStdString();
        EXPECT_EQ(read.number(cell), written.number(cell)) << CellName(cell).toStdString();
        EXPECT_EQ(read.isFormula(cell), written.isFormula(cell)) << CellName(cell).toStdString();
    }
    EXPECT_EQ(read.input({7, 2}), QStringLiteral("=AVERAGE(B2:B6)"));
    EXPECT_EQ(read.number({8, 2}), 7.5);
}

TEST_F(WorkbookTest, AnotherReaderSeesTheSameCellsInTheOfficeOpenXmlContent)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not on this machine";
    Sheet written;
    fill(written);
    ASSERT_EQ(WriteWorkbook(written, path("book.XLS")), QString());
    // The standard library's zip and XML readers list every cell as
    // "reference|value|formula|shared string text".
    const QString script = QStringLiteral(R"(
import sys, zipfile, xml.etree.ElementTree as ET
ns = {'m': 'http://schemas.openxmlformats.org/spreadsheetml/2006/main'}
z = zipfile.ZipFile(sys.argv[1])
shared = []
if 'xl/sharedStrings.xml' in z.namelist():
    shared = [''.join(t.text or '' for t in si.iter('{%s}t' % ns['m'])) for si in ET.fromstring(z.read('xl/sharedStrings.xml')).findall('m:si', ns)]
for c in ET.fromstring(z.read('xl/worksheets/sheet1.xml')).iter('{%s}c' % ns['m']):
    v = c.find('m:v', ns); f = c.find('m:f', ns)
    value = v.text if v is not None else ''
    if c.get('t') == 's': value = shared[int(value)]
    sys.stdout.buffer.write(('%s|%s|%s\n' % (c.get('r'), value, f.text if f is not None else '')).encode('utf-8'))
)");
    QProcess reader;
    reader.start(python, {QStringLiteral("-c"), script, path("book.XLS")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    QStringList cells = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(cells.size(), int(written.inputs().size()));
    for (const QString& line : cells) {
        const QStringList parts = line.split(u'|');
        ASSERT_EQ(parts.size(), 3) << line.toStdString();
        const QString name = parts[0];
        const auto cell = std::find_if(written.inputs().begin(), written.inputs().end(),
                                       [&](const auto& entry) { return CellName(entry.first) == name; });
        ASSERT_NE(cell, written.inputs().end()) << name.toStdString();
        const CellPos pos = cell->first;
        if (written.isFormula(pos)) {
            EXPECT_EQ(u'=' + parts[2], written.input(pos)) << name.toStdString();
            EXPECT_DOUBLE_EQ(parts[1].toDouble(), *written.number(pos)) << name.toStdString();
        } else if (const auto number = written.number(pos)) {
            EXPECT_DOUBLE_EQ(parts[1].toDouble(), *number) << name.toStdString();
        } else {
            EXPECT_EQ(parts[1], written.text(pos)) << name.toStdString();
        }
    }
}

TEST(PairedWorkbook, NameIsTheLabFileWithoutLabPlusXls)
{
    struct Case {
        const char* lab;
        const char* workbook; // nullptr: refused
    };
    for (const Case& c : {Case{"data.LAB", "data.XLS"},
                          Case{"USERS\\00000001\\мой.lab", "USERS\\00000001\\мой.XLS"},
                          Case{"/tmp/x/0.LAB", "/tmp/x/0.XLS"},
                          Case{"LAB", "XLS"},
                          Case{"AB", nullptr},
                          Case{"", nullptr},
                          Case{"data.TXT", nullptr},
                          Case{"data.LAB.bak", nullptr},
                          Case{"LAB\\notes", nullptr},
                          Case{"data.XLS", nullptr}}) {
        const auto paired = PairedWorkbookName(QString::fromUtf8(c.lab));
        if (c.workbook) EXPECT_EQ(paired, QString::fromUtf8(c.workbook)) << c.lab;
        else EXPECT_EQ(paired, std::nullopt) << c.lab;
    }
}

TEST_F(WorkbookTest, AWorkbookThatCannotBeWrittenIsReportedAndTheOldOneKept)
{
    Sheet sheet;
    fill(sheet);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("locked")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.XLS")));
    EXPECT_NE(WriteWorkbook(sheet, path("folder.XLS")), QString()) << "a folder in the way";
    EXPECT_NE(WriteWorkbook(sheet, path("missing/data.XLS")), QString()) << "no such folder";
    ASSERT_EQ(WriteWorkbook(sheet, path("locked/data.XLS")), QString());
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    const bool rootIgnoresPermissions = QFile(path("locked/probe")).open(QIODevice::WriteOnly);
    if (!rootIgnoresPermissions) {
        Sheet other;
        other.edit({1, 1}, QStringLiteral("1"));
        EXPECT_NE(WriteWorkbook(other, path("locked/data.XLS")), QString());
        Sheet kept;
        EXPECT_EQ(ReadWorkbook(path("locked/data.XLS"), kept), QString());
        EXPECT_EQ(kept.inputs().size(), sheet.inputs().size());
    }
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(WorkbookTest, FilesThatAreNotWorkbooksAreRefusedWithAMessage)
{
    Sheet good;
    fill(good);
    ASSERT_EQ(WriteWorkbook(good, path("good.XLS")), QString());
    QFile file(path("good.XLS"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    struct Case {
        const char* name;
        QByteArray bytes;
    };
    for (const Case& c : {Case{"empty", QByteArray()},
                          Case{"text", QByteArray("1;2;3\r\n")},
                          Case{"halfZip", bytes.left(bytes.size() / 2)},
                          Case{"zipHeaderOnly", QByteArray("PK\x03\x04", 4)},
                          Case{"oldFormatHeaderOnly", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 broken", 15)}}) {
        QFile bad(path("bad.XLS"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
        bad.write(c.bytes);
        bad.close();
        Sheet sheet;
        EXPECT_NE(ReadWorkbook(path("bad.XLS"), sheet), QString()) << c.name;
    }
    Sheet sheet;
    EXPECT_NE(ReadWorkbook(path("none.XLS"), sheet), QString());
}

// A written workbook with one field of its zip archive changed: the reader
// behind it makes a buffer of the size an entry declares, trusts offsets, and
// aborts on an entry that does not unpack cleanly.
TEST_F(WorkbookTest, ADamagedOrLyingWorkbookArchiveIsRefusedUnread)
{
    Sheet good;
    fill(good);
    ASSERT_EQ(WriteWorkbook(good, path("good.XLS")), QString());
    QFile file(path("good.XLS"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qsizetype end = bytes.lastIndexOf(QByteArray("PK\x05\x06", 4));
    ASSERT_GT(end, 0);
    const auto field = [&bytes](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const qsizetype directory = field(end + 16);
    const qsizetype local = field(directory + 42);
    const auto shortField = [&bytes](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const qsizetype packedData = local + 30 + shortField(local + 26) + shortField(local + 28);

    struct Case {
        const char* name;
        qsizetype at;
        quint32 value;
        int width = 4;
    };
    for (const Case& c : {Case{"entryClaimsFourGigabytes", directory + 24, 0xFFFFFFF0u},
                          Case{"entryClaimsMoreThanAllowed", directory + 24, 200u * 1024 * 1024},
                          Case{"localHeaderClaimsFourGigabytes", local + 22, 0xFFFFFFF0u},
                          Case{"packedDataPastTheEnd", directory + 20, quint32(bytes.size())},
                          Case{"localHeaderPastTheEnd", directory + 42, quint32(bytes.size())},
                          Case{"directoryPastTheEnd", end + 16, quint32(bytes.size())},
                          Case{"moreEntriesThanTheDirectoryHolds", end + 10, 0x7FFFu, 2},
                          Case{"fewerEntriesThanTheDirectoryHolds", end + 10, 1u, 2},
                          Case{"sixtyFourBitArchive", end + 12, 0xFFFFFFFFu},
                          Case{"packedDataDamaged", packedData + 2, 0xDEADBEEFu},
                          Case{"checksumWrong", directory + 16, field(directory + 16) ^ 1u}}) {
        QByteArray broken = bytes;
        if (c.width == 2) qToLittleEndian<quint16>(quint16(c.value), broken.data() + c.at);
        else qToLittleEndian<quint32>(c.value, broken.data() + c.at);
        Sheet sheet;
        EXPECT_EQ(ReadWorkbookBytes(broken, sheet), QStringLiteral("Рабочая книга повреждена или слишком велика и не прочитана"))
            << c.name;
        EXPECT_TRUE(sheet.inputs().empty()) << c.name;
    }
    Sheet sheet;
    EXPECT_EQ(ReadWorkbookBytes(bytes, sheet), QString());
    EXPECT_EQ(sheet.inputs(), good.inputs());
}
