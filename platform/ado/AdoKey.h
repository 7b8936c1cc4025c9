// Inside the data layer only: database keys derived once per file and password in the process, and the
// page size found for each file.
#pragma once
#include <QByteArray>

namespace ado::keys {

// Size of the salt at the head of an encrypted database file.
constexpr int kSaltBytes = 16;

// The raw key text "x'<64 hex key><32 hex salt>'" for password on the file whose first 16 bytes are salt:
// the derivation SQLCipher makes from a password by default (PBKDF2-HMAC-SHA1, 64,000 rounds, 32 bytes),
// made on the first call for the salt and password and kept. Empty when the raw key is known not to open
// that file (made with other settings): the password itself is to be used then.
QByteArray rawKey(const QByteArray& salt, const QByteArray& password);
// The raw key did not open the file but the password did: use the password for it from now on.
void refuseRawKey(const QByteArray& salt, const QByteArray& password);
// The page sizes of the program's database files: the engine's own, which every older file has, and the
// larger one, in which a large register is read with a quarter of the pages to decrypt and check.
constexpr int kEnginePageSize = 1024;
constexpr int kLargePageSize = 4096;
// The page size found for the file whose salt this is; 0 while none was found.
int pageSize(const QByteArray& salt);
void rememberPageSize(const QByteArray& salt, int bytes);
// Forgets every derived key and page size (tests).
void forgetAll();

// Overwrites a buffer that held key material.
void wipe(QByteArray& bytes);

} // namespace ado::keys
