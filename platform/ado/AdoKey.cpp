#include "platform/ado/AdoKey.h"

#include <openssl/evp.h>

#include <QCryptographicHash>
#include <QHash>
#include <mutex>

namespace ado::keys {
namespace {

constexpr int kRounds = 64000;
constexpr int kKeyBytes = 32;

struct Cache {
    std::mutex lock;
    // By salt and a digest of the password (the password itself is not kept here); an empty value marks
    // a file the raw key does not open.
    QHash<QByteArray, QByteArray> derived;
};

Cache& cache() {
    static Cache c;
    return c;
}

QByteArray cacheKey(const QByteArray& salt, const QByteArray& password) {
    return salt + QCryptographicHash::hash(password, QCryptographicHash::Sha256);
}

QByteArray derive(const QByteArray& salt, const QByteArray& password) {
    QByteArray key(kKeyBytes, '\0');
    const int ok = PKCS5_PBKDF2_HMAC_SHA1(password.constData(), static_cast<int>(password.size()),
                                          reinterpret_cast<const unsigned char*>(salt.constData()),
                                          static_cast<int>(salt.size()), kRounds, kKeyBytes,
                                          reinterpret_cast<unsigned char*>(key.data()));
    if (ok != 1)
        return {};
    QByteArray text = "x'" + key.toHex() + salt.toHex() + "'";
    wipe(key);
    return text;
}

} // namespace

QByteArray rawKey(const QByteArray& salt, const QByteArray& password) {
    if (salt.size() != kSaltBytes || password.isEmpty())
        return {};
    Cache& c = cache();
    const QByteArray id = cacheKey(salt, password);
    std::lock_guard<std::mutex> guard(c.lock);
    const auto it = c.derived.constFind(id);
    if (it != c.derived.constEnd())
        return it.value();
    const QByteArray text = derive(salt, password);
    if (!text.isEmpty())
        c.derived.insert(id, text);
    return text;
}

void refuseRawKey(const QByteArray& salt, const QByteArray& password) {
    Cache& c = cache();
    std::lock_guard<std::mutex> guard(c.lock);
    auto it = c.derived.find(cacheKey(salt, password));
    if (it != c.derived.end()) {
        wipe(it.value());
        it.value() = QByteArray();
    } else {
        c.derived.insert(cacheKey(salt, password), QByteArray());
    }
}

void forgetAll() {
    Cache& c = cache();
    std::lock_guard<std::mutex> guard(c.lock);
    for (auto it = c.derived.begin(); it != c.derived.end(); ++it)
        wipe(it.value());
    c.derived.clear();
}

void wipe(QByteArray& bytes) {
    if (!bytes.isEmpty())
        bytes.fill('\0');
}

} // namespace ado::keys
