#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Import of the user list exported by the sibling product "Вельта": every
// <USER ...>...</USER> element gives one user with the attributes ID, NAME
// and PASSWORD and the class made of its <ROLE> and <CLASS> texts.
namespace users {

class Register;

struct ImportedUser {
    QString id;
    QString name;
    QString password;
    QString className;
};

// The user elements of the text in file order. Every search ignores letter
// case; an element without its closing tag runs to the end of the text.
std::vector<ImportedUser> ParseVeltaUsers(const QString& text);

// The import file as text: UTF-8 or UTF-16 when a byte-order mark or the XML
// declaration says so, Windows-1251 otherwise.
QString DecodeImportFile(const QByteArray& bytes);

struct ImportReport {
    int imported = 0;
    // "<id> <name>" of the users left out: identifier not a plain folder name,
    // or already given to an earlier user...
    QStringList skipped;
    // ... and name holding "$", which would end the name in the register and
    // make the rest of it part of the password.
    QStringList dollarNames;
};

// Replaces the register by the administrator class with SYSADMIN and the
// users of the file, written to "DATA\usersvt.txt" (the register file from
// then on). A file that cannot be read or holds no user element raises
// base::AppError and leaves the register and its files as they were.
ImportReport ImportVelta(Register& reg, const QString& realPath);

} // namespace users
