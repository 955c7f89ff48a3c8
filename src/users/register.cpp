#include "users/register.h"
#include "base/apperror.h"
#include "base/folders.h"
#include "base/paths.h"
#include "base/textfile.h"
#include "base/textutil.h"

#include <utility>

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

namespace {
// A root without text would be an empty line, which the reader skips: the
// first class would come back as the root and every user as a class.
QStringList RegisterLines(std::vector<base::TreeNode> roots)
{
    for (auto& root : roots)
        if (root.text.isEmpty()) root.text = kDefaultRoot;
    return base::WriteTreeText(roots);
}
} // namespace

void Register::SaveRegister()
{
    Change([tree = m_roots](std::vector<base::TreeNode>& roots) {
        roots = tree;
        return true;
    });
}

void Register::Change(const TreeEdit& edit)
{
    const QString file = RegisterFile();
    // The edit runs on the register as the file holds it when locked: an
    // administrator's change does not undo a change made meanwhile on
    // another machine.
    const base::LinesChange onFile = [edit](QStringList& lines, bool) {
        std::vector<base::TreeNode> roots;
        try {
            roots = base::ReadTreeText(lines);
        } catch (const base::AppError&) {
            return false; // a broken file is not written over; loading reports it
        }
        if (!edit(roots)) return false;
        lines = RegisterLines(std::move(roots));
        return true;
    };
    const base::SharedChangeResult result = m_changes.Apply(file, onFile);
    if (result.done()) {
        // The lines just written (or found unchanged) are the register now.
        try {
            m_roots = base::ReadTreeText(result.lines);
        } catch (const base::AppError& error) {
            throw base::AppError(QStringLiteral("Ошибка в списке пользователей (%1): %2").arg(file, error.message()));
        }
        if (m_changes.pendingCount() == 0) DeleteFoldersOfDeletedUsers();
        return;
    }
    edit(m_roots);
    throw base::AppError(base::SharedChangeMessage(result.status, file));
}

int Register::WritePending()
{
    const int left = m_changes.RetryPending();
    if (left == 0) {
        LoadRegister();
        DeleteFoldersOfDeletedUsers();
    }
    return left;
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
//
// Every change names its class and user by name and identifier, not by
// position: in the file another administrator may have changed meanwhile,
// the class at position k may be another one. A class or user that is gone
// by then is left alone; the protection rules are checked again on the file.

namespace {
std::vector<base::TreeNode>* ClassList(std::vector<base::TreeNode>& roots)
{
    return roots.empty() ? nullptr : &roots.front().children;
}

// The class named name, preferring position k when several share the name.
int FindClassNode(const std::vector<base::TreeNode>& classes, const QString& name, int k)
{
    if (k >= 0 && k < int(classes.size()) && classes[k].text == name) return k;
    for (int i = 0; i < int(classes.size()); ++i)
        if (classes[i].text == name) return i;
    return -1;
}

int FindUserNode(const base::TreeNode& klass, const QString& id)
{
    for (int m = 0; m < int(klass.children.size()); ++m)
        if (SplitUserEntry(klass.children[m].text).id == id) return m;
    return -1;
}

struct UserPlace {
    int klass = -1;
    int user = -1;
    bool found() const { return user >= 0; }
    bool protectedUser() const { return klass == 0 && user == 0; }
};

// The user with that identifier: in the class named klass first, then in any
// class (the class may have been renamed meanwhile).
UserPlace FindUser(std::vector<base::TreeNode>* classes, const QString& klass, int k, const QString& id)
{
    if (!classes) return {};
    const int named = FindClassNode(*classes, klass, k);
    if (named >= 0)
        if (const int m = FindUserNode((*classes)[named], id); m >= 0) return {named, m};
    for (int at = 0; at < int(classes->size()); ++at)
        if (const int m = FindUserNode((*classes)[at], id); m >= 0) return {at, m};
    return {};
}
} // namespace

void Register::AddClass(const QString& name)
{
    Change([name](std::vector<base::TreeNode>& roots) {
        if (roots.empty()) roots.push_back({kDefaultRoot, {}});
        roots.front().children.push_back({name, {}});
        return true;
    });
}

void Register::RenameClass(int k, const QString& name)
{
    if (const QString refusal = CheckRenameClass(k); !refusal.isEmpty()) throw base::AppError(refusal);
    const QString old = classNodeOrThrow(k).text;
    Change([=](std::vector<base::TreeNode>& roots) {
        auto* classes = ClassList(roots);
        const int at = classes ? FindClassNode(*classes, old, k) : -1;
        if (at <= 1) return false;
        (*classes)[at].text = name;
        return true;
    });
}

void Register::DeleteClass(int k)
{
    if (const QString refusal = CheckDeleteClass(k); !refusal.isEmpty()) throw base::AppError(refusal);
    const QString name = classNodeOrThrow(k).text;
    Change([=](std::vector<base::TreeNode>& roots) {
        auto* classes = ClassList(roots);
        const int at = classes ? FindClassNode(*classes, name, k) : -1;
        // Users added meanwhile keep their class.
        if (at <= 1 || !(*classes)[at].children.empty()) return false;
        classes->erase(classes->begin() + at);
        return true;
    });
}

void Register::AddUser(int k, const QString& id, const QString& password, const QString& name)
{
    if (const QString refusal = UserRefusal(id, name); !refusal.isEmpty()) throw base::AppError(refusal);
    const QString klass = classNodeOrThrow(k).text;
    const QString entry = JoinUserEntry(id, name, password);
    Change([=](std::vector<base::TreeNode>& roots) {
        auto* classes = ClassList(roots);
        const int at = classes ? FindClassNode(*classes, klass, k) : -1;
        if (at < 0) return false;
        (*classes)[at].children.push_back({entry, {}});
        return true;
    });
}

void Register::UpdateUser(int k, int m, const QString& name, const QString& password)
{
    if (const QString refusal = CheckUpdateUser(k, m); !refusal.isEmpty()) throw base::AppError(refusal);
    auto& users = classNodeOrThrow(k).children;
    if (m < 0 || m >= int(users.size())) throw base::AppError(QStringLiteral("Пользователь не выбран"));
    const QString id = SplitUserEntry(users[m].text).id;
    if (const QString refusal = UserRefusal(id, name); !refusal.isEmpty()) throw base::AppError(refusal);
    const QString klass = classNodeOrThrow(k).text;
    const QString entry = JoinUserEntry(id, name, password);
    Change([=](std::vector<base::TreeNode>& roots) {
        auto* classes = ClassList(roots);
        const UserPlace place = FindUser(classes, klass, k, id);
        if (!place.found() || place.protectedUser()) return false;
        (*classes)[place.klass].children[place.user].text = entry;
        return true;
    });
}

bool Register::DeleteUser(int k, int m)
{
    if (const QString refusal = CheckDeleteUser(k, m); !refusal.isEmpty()) throw base::AppError(refusal);
    auto& users = classNodeOrThrow(k).children;
    if (m < 0 || m >= int(users.size())) throw base::AppError(QStringLiteral("Пользователь не выбран"));
    const QString id = SplitUserEntry(users[m].text).id;
    const QString klass = classNodeOrThrow(k).text;
    // Only a folder that is this one user's may go: an empty or dotted
    // identifier would name "USERS\" itself or the program folder. The folder
    // goes once the register without the user is written: while the register
    // is busy the file still lists the user, whose work must stay.
    if (IsPlainIdentifier(id)) m_foldersToDelete.append(id);
    Change([=](std::vector<base::TreeNode>& roots) {
        auto* classes = ClassList(roots);
        const UserPlace place = FindUser(classes, klass, k, id);
        if (!place.found() || place.protectedUser()) return false;
        auto& children = (*classes)[place.klass].children;
        children.erase(children.begin() + place.user);
        return true;
    });
    return IsPlainIdentifier(id) && !IdentifierInRegister(id);
}

void Register::DeleteFoldersOfDeletedUsers()
{
    // An identifier another user still has names that user's folder too.
    for (const QString& id : std::exchange(m_foldersToDelete, {}))
        if (!IdentifierInRegister(id)) base::DeleteFolder(UserFolderOf(id));
}

} // namespace users
