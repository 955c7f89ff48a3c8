#include "users/veltaimport.h"
#include "base/apperror.h"
#include "base/folders.h"
#include "base/sharedfile.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "users/register.h"
#include <QFile>
#include <QStringDecoder>

namespace users {
namespace {
const QString kUserOpen = QStringLiteral("<USER ");
const QString kUserClose = QStringLiteral("</USER>");
const QString kImportedRegister = QStringLiteral("DATA\\usersvt.txt");

// Attribute value after marker (for example ID=") up to the next double
// quote or the end of the element; empty when the marker is absent.
QString AttributeValue(const QString& element, const QString& marker)
{
    const qsizetype start = element.indexOf(marker, 0, Qt::CaseInsensitive);
    if (start < 0) return {};
    const qsizetype from = start + marker.size();
    const qsizetype end = element.indexOf(u'"', from);
    return element.mid(from, (end < 0 ? element.size() : end) - from);
}

// Text after tag up to the next "<" (or the end), trimmed; empty when absent.
QString TagText(const QString& element, const QString& tag)
{
    const qsizetype start = element.indexOf(tag, 0, Qt::CaseInsensitive);
    if (start < 0) return {};
    const qsizetype from = start + tag.size();
    const qsizetype end = element.indexOf(u'<', from);
    return base::Trim(element.mid(from, (end < 0 ? element.size() : end) - from));
}

// Values go into one line of the register: a line break inside a value would
// start a new node, so control characters become spaces. The five entities
// every XML writer uses stand for their characters.
QString CleanValue(QString value)
{
    for (QChar& c : value)
        if (c.unicode() < 32) c = u' ';
    if (!value.contains(u'&')) return value;
    value.replace(QLatin1String("&quot;"), QLatin1String("\""));
    value.replace(QLatin1String("&apos;"), QLatin1String("'"));
    value.replace(QLatin1String("&lt;"), QLatin1String("<"));
    value.replace(QLatin1String("&gt;"), QLatin1String(">"));
    value.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return value;
}

ImportedUser ReadElement(const QString& element)
{
    ImportedUser user;
    user.id = CleanValue(AttributeValue(element, QStringLiteral("ID=\"")));
    user.name = CleanValue(AttributeValue(element, QStringLiteral("NAME=\"")));
    user.password = CleanValue(AttributeValue(element, QStringLiteral("PASSWORD=\"")));
    QString klass = TagText(element, QStringLiteral("<ROLE>"));
    if (element.contains(QStringLiteral("<CLASS>"), Qt::CaseInsensitive))
        klass = base::Trim(klass + u' ' + TagText(element, QStringLiteral("<CLASS>")));
    user.className = CleanValue(klass);
    return user;
}

base::TreeNode& ClassFor(base::TreeNode& root, const QString& name)
{
    for (auto& klass : root.children)
        if (klass.text.compare(name, Qt::CaseInsensitive) == 0) return klass;
    root.children.push_back({name, {}});
    return root.children.back();
}

bool IdInTree(const base::TreeNode& root, const QString& id)
{
    for (const auto& klass : root.children)
        for (const auto& user : klass.children)
            if (SplitUserEntry(user.text).id.compare(id, Qt::CaseInsensitive) == 0) return true;
    return false;
}
} // namespace

std::vector<ImportedUser> ParseVeltaUsers(const QString& text)
{
    std::vector<ImportedUser> users;
    qsizetype from = 0;
    while (true) {
        const qsizetype start = text.indexOf(kUserOpen, from, Qt::CaseInsensitive);
        if (start < 0) break;
        const qsizetype close = text.indexOf(kUserClose, start, Qt::CaseInsensitive);
        const qsizetype end = close < 0 ? text.size() : close + kUserClose.size();
        users.push_back(ReadElement(text.mid(start, end - start)));
        from = end;
    }
    return users;
}

QString DecodeImportFile(const QByteArray& bytes)
{
    // A byte-order mark names the encoding; an XML declaration may name UTF-8.
    const QByteArray head = bytes.left(200).toLower();
    if (head.startsWith("<?xml") && (head.contains("encoding=\"utf-8\"") || head.contains("encoding='utf-8'")))
        return QString::fromUtf8(bytes);
    return base::DecodeText(bytes);
}

ImportReport ImportVelta(Register& reg, const QString& realPath)
{
    QFile file(realPath);
    if (!file.open(QIODevice::ReadOnly))
        throw base::AppError(QStringLiteral("Не удается открыть файл \"%1\"").arg(realPath));
    const std::vector<ImportedUser> users = ParseVeltaUsers(DecodeImportFile(file.readAll()));
    if (users.empty())
        throw base::AppError(QStringLiteral("В файле \"%1\" нет ни одного пользователя. "
                                             "Список пользователей не изменен.").arg(realPath));

    base::TreeNode root{QStringLiteral("Пользователи"), {}};
    root.children.push_back({QStringLiteral("Администратор"),
                             {{JoinUserEntry(QStringLiteral("00000000"), QStringLiteral("SYSADMIN"),
                                             QStringLiteral("46802135")), {}}}});
    ImportReport report;
    for (const ImportedUser& user : users) {
        const QString shown = base::Trim(user.id + u' ' + user.name);
        if (!IsPlainIdentifier(user.id) || IdInTree(root, user.id)) {
            report.skipped.append(shown);
            continue;
        }
        if (user.name.contains(u'$')) {
            report.dollarNames.append(shown);
            continue;
        }
        ClassFor(root, user.className).children.push_back({JoinUserEntry(user.id, user.name, user.password), {}});
        ++report.imported;
    }

    std::vector<base::TreeNode> tree;
    tree.push_back(std::move(root));
    // Under the register's lock, so that no change of another machine lands
    // between the import and its file.
    const base::SharedChangeStatus saved =
        base::ChangeSharedFile(kImportedRegister, base::ReplaceLines(base::WriteTreeText(tree))).status;
    if (saved != base::SharedChangeStatus::Written && saved != base::SharedChangeStatus::Unchanged)
        throw base::AppError(QStringLiteral("Не удалось сохранить список пользователей в файл %1").arg(kImportedRegister));
    reg.setTree(std::move(tree));
    return report;
}

} // namespace users
