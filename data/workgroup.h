#pragma once

#include <QString>

// The workgroup file beside the question bank holds the database users, each with a salted,
// stretched hash of the password (never the password itself).
namespace workgroup {

// Writes a new workgroup file holding one user; replaces an existing one.
void create(const QString &path, const QString &user, const QString &password);

// Throws ExamError when the file is missing or unreadable, or the user or password is wrong.
void verify(const QString &path, const QString &user, const QString &password);

// Writes the workgroup file anew unless it already holds this user with this password.
void ensure(const QString &path, const QString &user, const QString &password);

} // namespace workgroup
