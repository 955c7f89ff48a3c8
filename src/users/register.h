#pragma once
#include "base/sharedfile.h"
#include "base/treetext.h"
#include <functional>
#include <QString>
#include <QStringList>
#include <vector>

// The register of classes and users: one indented tree text in "DATA\"
// (root, classes at depth 1, users at depth 2 as "id name$password"), kept
// in memory as that tree. Every change is written to the file at once.
namespace users {

// The file the register lives in: "DATA\usersvt.txt" once an import has
// created it, "DATA\users.txt" otherwise. Chosen anew at every load and save.
QString RegisterFile();

// One user node of the register, split as the login reads it: the
// identifier up to the first space, the name up to the first "$" (spaces
// before the "$" kept), the rest trimmed as the password.
struct UserEntry {
    QString id;
    QString name;
    QString password;
};
UserEntry SplitUserEntry(const QString& text);
QString JoinUserEntry(const QString& id, const QString& name, const QString& password);

// The three parallel lists of one class, in register order.
struct ClassUsers {
    QStringList ids;
    QStringList names;
    QStringList passwords;
    int count() const { return int(names.size()); }
};

// An identifier that names exactly one folder under "USERS\": letters, digits,
// "-" and "_" only (no separators, dots, spaces or "$").
bool IsPlainIdentifier(const QString& id);

// Why a user node cannot be taken into the register: its identifier would not
// name exactly one folder under "USERS\", or its name holds the "$" that ends
// names in the register. Empty when the user is acceptable.
QString UserRefusal(const QString& id, const QString& name);

// Staff classes: their users may see the teachers' sections.
bool IsStaffClass(const QString& className);

class Register {
public:
    // Reads RegisterFile(). A missing file, a broken indentation or a user
    // whose identifier is not a plain folder name (a hand-edited "..", "\\"
    // or "/" would send the user's files out of "USERS\\") raises
    // base::AppError with a Russian message; the previous tree is kept.
    void LoadRegister();
    // Writes the whole tree to RegisterFile() atomically, under the
    // register's lock; raises base::AppError when the file cannot be written
    // (the tree in memory keeps the change, which is written with the next).
    void SaveRegister();

    QString rootText() const;
    QStringList classNames() const;
    int classCount() const;
    QString className(int k) const;
    // Position of the first class with that name, letter case ignored; -1 if none.
    int findClass(const QString& name) const;
    ClassUsers classUsers(int k) const;
    int userCount(int k) const;
    UserEntry user(int k, int m) const;

    // The protection rules: the message to show, empty when allowed.
    QString CheckDeleteClass(int k) const;
    QString CheckRenameClass(int k) const;
    QString CheckDeleteUser(int k, int m) const;
    QString CheckUpdateUser(int k, int m) const;

    // Each change checks its rule (raising AppError with its message) and is
    // made at once on the register file as it is then (others may have
    // changed it), which is then read back. When the file is busy or cannot
    // be written the change is made in memory, kept to be written with the
    // next change, and AppError says so.
    void AddClass(const QString& name);
    void RenameClass(int k, const QString& name);
    void DeleteClass(int k);
    // Refuses (AppError) an identifier that is not plain and a name with "$".
    void AddUser(int k, const QString& id, const QString& password, const QString& name);
    void UpdateUser(int k, int m, const QString& name, const QString& password);
    // Deletes the node and the user's folder "USERS\<id>\". The folder is left
    // alone when the identifier is not a plain name or belongs to another user
    // too; the result tells whether the folder goes. When the register is busy
    // (AppError) the folder waits until the kept change is written.
    bool DeleteUser(int k, int m);

    // A fresh 8-digit identifier: drawn again while a user of the register or
    // a folder under "USERS\" already has it.
    QString NewUserId() const;
    // A user of the register has the identifier (letter case ignored, as
    // folder names are matched).
    bool IdentifierInRegister(const QString& id) const;
    // ... or a folder of that name exists under "USERS\".
    bool IdentifierTaken(const QString& id) const;

    // Replaces the whole tree (the import).
    void setTree(std::vector<base::TreeNode> roots) { m_roots = std::move(roots); }
    // Changes of the file not written yet.
    int pendingChanges() const { return m_changes.pendingCount(); }
    // Tries the kept changes again and, when all are written, reads the
    // file back; the number still kept.
    int WritePending();
    void setSharedTimes(const base::SharedFileTimes& times) { m_changes.setTimes(times); }
    const std::vector<base::TreeNode>& tree() const { return m_roots; }

private:
    std::vector<base::TreeNode>& classes();
    const std::vector<base::TreeNode>* classNodes() const;
    const base::TreeNode* classNode(int k) const;
    base::TreeNode& classNodeOrThrow(int k);
    // An edit of the tree; false when it finds nothing to change.
    using TreeEdit = std::function<bool(std::vector<base::TreeNode>& roots)>;
    void Change(const TreeEdit& edit);
    // The folders of deleted users, once the register file no longer lists them.
    void DeleteFoldersOfDeletedUsers();

    std::vector<base::TreeNode> m_roots;
    base::SharedChanges m_changes;
    QStringList m_foldersToDelete; // identifiers of deleted users whose folders wait
};

} // namespace users
