#include "users/register.h"
#include "base/apperror.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"

namespace users {
namespace {
const QString kRegisterFolder = QStringLiteral("DATA\\");
const QString kImportedRegister = QStringLiteral("usersvt.txt");
const QString kPlainRegister = QStringLiteral("users.txt");
const QString kDefaultRoot = QStringLiteral("Пользователи");
constexpr int kIdDigits = 8;

QString UserFolderOf(const QString& id) { return QStringLiteral("USERS\\") + id + u'\\'; }

// The refusal for the first user (depth 2) whose identifier is not plain.
// Only identifiers count here: the name of a stored entry ends at its first
// "$" by definition.
QString FirstBadIdentifier(const std::vector<base::TreeNode>& roots)
{
    for (const auto& root : roots)
        for (const auto& klass : root.children)
            for (const auto& user : klass.children) {
                const UserEntry entry = SplitUserEntry(user.text);
                if (!IsPlainIdentifier(entry.id)) return UserRefusal(entry.id, entry.name);
            }
    return {};
}
} // namespace

QString RegisterFile()
{
    const QString imported = kRegisterFolder + kImportedRegister;
    return base::FileExists(imported) ? imported : kRegisterFolder + kPlainRegister;
}

UserEntry SplitUserEntry(const QString& text)
{
    QString rest = text;
    UserEntry entry;
    entry.id = base::SplitLeft(rest, u' ');
    entry.name = base::SplitLeft(rest, u'$');
    entry.password = rest;
    return entry;
}

QString JoinUserEntry(const QString& id, const QString& name, const QString& password)
{
    return id + u' ' + name + u'$' + password;
}

bool IsPlainIdentifier(const QString& id)
{
    if (id.isEmpty() || id.size() > 64) return false;
    for (const QChar c : id) {
        const bool allowed = (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_';
        if (!allowed) return false;
    }
    return true;
}

QString UserRefusal(const QString& id, const QString& name)
{
    if (!IsPlainIdentifier(id))
        return QStringLiteral("Идентификатор \"%1\" пользователя %2 не годится для имени папки: допустимы только "
                              "латинские буквы, цифры, \"-\" и \"_\"").arg(id, name);
    if (name.contains(u'$')) return QStringLiteral("В имени пользователя \"%1\" не может быть знака \"$\"").arg(name);
    return {};
}

bool IsStaffClass(const QString& className)
{
    return className == QStringLiteral("Администратор") || className == QStringLiteral("Преподаватель")
        || className == QStringLiteral("Классный руководитель");
}

// --- reading and writing -------------------------------------------------

void Register::LoadRegister()
{
    const QString file = RegisterFile();
    const QStringList lines = base::ReadLines(file);
    std::vector<base::TreeNode> roots;
    try {
        roots = base::ReadTreeText(lines);
    } catch (const base::AppError& error) {
        throw base::AppError(QStringLiteral("Ошибка в списке пользователей (%1): %2").arg(file, error.message()));
    }
    if (const QString refusal = FirstBadIdentifier(roots); !refusal.isEmpty())
        throw base::AppError(QStringLiteral("Ошибка в списке пользователей (%1): %2").arg(file, refusal));
    m_roots = std::move(roots);
}

void Register::SaveRegister() const
{
    const QString file = RegisterFile();
    // A root without text would be an empty line, which the reader skips:
    // the first class would come back as the root and every user as a class.
    std::vector<base::TreeNode> roots = m_roots;
    for (auto& root : roots)
        if (root.text.isEmpty()) root.text = kDefaultRoot;
    base::ForceFolder(kRegisterFolder);
    if (!base::WriteLines(file, base::WriteTreeText(roots)))
        throw base::AppError(QStringLiteral("Не удалось сохранить список пользователей в файл %1").arg(file));
}

void Register::SaveAndReload()
{
    SaveRegister();
    LoadRegister();
}

// --- queries ----------------------------------------------------------------

const std::vector<base::TreeNode>* Register::classNodes() const
{
    return m_roots.empty() ? nullptr : &m_roots.front().children;
}

std::vector<base::TreeNode>& Register::classes()
{
    if (m_roots.empty()) m_roots.push_back({kDefaultRoot, {}});
    return m_roots.front().children;
}

const base::TreeNode* Register::classNode(int k) const
{
    const auto* nodes = classNodes();
    if (!nodes || k < 0 || k >= int(nodes->size())) return nullptr;
    return &(*nodes)[k];
}

base::TreeNode& Register::classNodeOrThrow(int k)
{
    auto& nodes = classes();
    if (k < 0 || k >= int(nodes.size())) throw base::AppError(QStringLiteral("Класс не выбран"));
    return nodes[k];
}

QString Register::rootText() const { return m_roots.empty() ? QString() : m_roots.front().text; }

int Register::classCount() const
{
    const auto* nodes = classNodes();
    return nodes ? int(nodes->size()) : 0;
}

QStringList Register::classNames() const
{
    QStringList names;
    if (const auto* nodes = classNodes())
        for (const auto& node : *nodes) names.append(node.text);
    return names;
}

QString Register::className(int k) const
{
    const auto* node = classNode(k);
    return node ? node->text : QString();
}

int Register::findClass(const QString& name) const
{
    const QStringList names = classNames();
    for (int k = 0; k < names.size(); ++k)
        if (names[k].compare(name, Qt::CaseInsensitive) == 0) return k;
    return -1;
}

ClassUsers Register::classUsers(int k) const
{
    ClassUsers users;
    const auto* node = classNode(k);
    if (!node) return users;
    for (const auto& child : node->children) {
        const UserEntry entry = SplitUserEntry(child.text);
        users.ids.append(entry.id);
        users.names.append(entry.name);
        users.passwords.append(entry.password);
    }
    return users;
}

int Register::userCount(int k) const
{
    const auto* node = classNode(k);
    return node ? int(node->children.size()) : 0;
}

UserEntry Register::user(int k, int m) const
{
    const auto* node = classNode(k);
    if (!node || m < 0 || m >= int(node->children.size())) return {};
    return SplitUserEntry(node->children[m].text);
}

bool Register::IdentifierInRegister(const QString& id) const
{
    if (const auto* nodes = classNodes())
        for (const auto& klass : *nodes)
            for (const auto& child : klass.children)
                if (SplitUserEntry(child.text).id.compare(id, Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool Register::IdentifierTaken(const QString& id) const
{
    return IdentifierInRegister(id) || base::FolderExists(UserFolderOf(id));
}

QString Register::NewUserId() const
{
    QString id;
    do {
        id = base::RandomDigits(kIdDigits);
    } while (IdentifierTaken(id));
    return id;
}

// --- protection rules ---------------------------------------------------------

QString Register::CheckDeleteClass(int k) const
{
    if (k <= 1) return QStringLiteral("Этот класс не удаляем!");
    if (userCount(k) > 0) return QStringLiteral("Сначала удалите всех учеников в этом классе");
    return {};
}

QString Register::CheckRenameClass(int k) const
{
    return k <= 1 ? QStringLiteral("Этот класс не изменяем!") : QString();
}

QString Register::CheckDeleteUser(int k, int m) const
{
    return k == 0 && m == 0 ? QStringLiteral("Этот пользователь не удаляем!") : QString();
}

QString Register::CheckUpdateUser(int k, int m) const
{
    return k == 0 && m == 0 ? QStringLiteral("Этот пользователь не изменяем!") : QString();
}

// --- changes --------------------------------------------------------------------

void Register::AddClass(const QString& name)
{
    classes().push_back({name, {}});
    SaveAndReload();
}

void Register::RenameClass(int k, const QString& name)
{
    if (const QString refusal = CheckRenameClass(k); !refusal.isEmpty()) throw base::AppError(refusal);
    classNodeOrThrow(k).text = name;
    SaveAndReload();
}

void Register::DeleteClass(int k)
{
    if (const QString refusal = CheckDeleteClass(k); !refusal.isEmpty()) throw base::AppError(refusal);
    classNodeOrThrow(k);
    classes().erase(classes().begin() + k);
    SaveAndReload();
}

void Register::AddUser(int k, const QString& id, const QString& password, const QString& name)
{
    if (const QString refusal = UserRefusal(id, name); !refusal.isEmpty()) throw base::AppError(refusal);
    classNodeOrThrow(k).children.push_back({JoinUserEntry(id, name, password), {}});
    SaveRegister();
}

void Register::UpdateUser(int k, int m, const QString& name, const QString& password)
{
    if (const QString refusal = CheckUpdateUser(k, m); !refusal.isEmpty()) throw base::AppError(refusal);
    auto& users = classNodeOrThrow(k).children;
    if (m < 0 || m >= int(users.size())) throw base::AppError(QStringLiteral("Пользователь не выбран"));
    const QString id = SplitUserEntry(users[m].text).id;
    if (const QString refusal = UserRefusal(id, name); !refusal.isEmpty()) throw base::AppError(refusal);
    users[m].text = JoinUserEntry(id, name, password);
    SaveRegister();
}

bool Register::DeleteUser(int k, int m)
{
    if (const QString refusal = CheckDeleteUser(k, m); !refusal.isEmpty()) throw base::AppError(refusal);
    auto& users = classNodeOrThrow(k).children;
    if (m < 0 || m >= int(users.size())) throw base::AppError(QStringLiteral("Пользователь не выбран"));
    const QString id = SplitUserEntry(users[m].text).id;
    users.erase(users.begin() + m);
    // Only a folder that is this one user's may go: an empty or dotted
    // identifier would name "USERS\" itself or the program folder, and an
    // identifier shared with another user would take that user's results too.
    const bool ownFolder = IsPlainIdentifier(id) && !IdentifierInRegister(id);
    if (ownFolder) base::DeleteFolder(UserFolderOf(id));
    SaveRegister();
    return ownFolder;
}

} // namespace users
