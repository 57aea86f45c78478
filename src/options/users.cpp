#include "options/users.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <array>
#include <initializer_list>

namespace {

// The logins are kept as salted SHA-256 digests, never as text: the user's
// salt, then each compared text as its UTF-8 length (32-bit big-endian) and
// its UTF-8 bytes. The lengths keep (name, password) pairs from running into
// each other. A credential of any name is a digest over the password alone.
struct Credential {
    int user;
    const char *salt;
    bool anyName;
    const char *digest;
};

constexpr char KvartoSalt[] = "4d3796379e689302dc0cc145e9a58ec7";
constexpr char LumbaSalt[] = "8af7a9a066a9f781e8b2785b3d9c6910";
constexpr char TrevianSalt[] = "bbb3cd8ee2cbca4fc52567ea71b050d4";

constexpr std::array<Credential, 5> Credentials{{
    {1, KvartoSalt, false, "567ee642dd76b93808c83f78e9b7f2d4e91fac3d4536e58a8d53488dbab29b9b"},
    {2, LumbaSalt, true, "e7367f541ebdf32b253eec0b52d674975b65efc9f3befd32c52118b51858d540"},
    {2, LumbaSalt, false, "5a2f6bdfb69c2d703e78d6a4ecb65e0c2270e6a11668465c093acf43a3d178bf"},
    {2, LumbaSalt, false, "d66ab2ef97e175e4f91c16d0208b61381aa8725f0a98b49d0a211cb80ad92091"},
    {3, TrevianSalt, false, "314d47e705fa1c00faa1980917fb57aedcfdc8596621e8fe065d32e26ef2862e"},
}};

QByteArray saltedDigest(const char *salt, std::initializer_list<QString> texts)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(salt));
    for (const QString &text : texts) {
        const QByteArray bytes = text.toUtf8();
        const quint32 length = qToBigEndian(quint32(bytes.size()));
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(&length), sizeof length));
        hash.addData(bytes);
    }
    return hash.result().toHex();
}

bool credentialsAccept(int user, const QString &name, const QString &password)
{
    for (const Credential &credential : Credentials) {
        if (credential.user != user)
            continue;
        const QByteArray digest = credential.anyName ? saltedDigest(credential.salt, {password})
                                                     : saltedDigest(credential.salt, {name, password});
        if (digest == credential.digest)
            return true;
    }
    return false;
}

} // namespace

QString userCaption(int user)
{
    static const std::array<QString, UserCount> captions{QStringLiteral("Standard användare"),
                                                         QStringLiteral("Kvarto"),
                                                         QStringLiteral("Lumba"),
                                                         QStringLiteral("Trevian"),
                                                         QStringLiteral("Mirvel"),
                                                         QStringLiteral("Ponkel")};
    return user >= 0 && user < UserCount ? captions[std::size_t(user)] : QString();
}

LoginOutcome checkLogin(int user, const QString &name, const QString &password)
{
    switch (user) {
    case StandardUser:
        return {true, QStringLiteral("Standard användare vald")};
    case 1:
    case 2:
    case 3: {
        if (!credentialsAccept(user, name, password))
            return {false, QStringLiteral("Fel lösenord eller namn")};
        static const std::array<QString, 4> welcome{QString(), QStringLiteral("ÅTKOMST=TOTAL"),
                                                    QStringLiteral("Vald användare är:Lumba"), QString()};
        return {true, welcome[std::size_t(user)]};
    }
    case 4:
        return {false, QStringLiteral("Du måste få ett lösenord först")};
    case 5:
        return {false, QStringLiteral("Du har inget lösenord ännu")};
    default:
        return {};
    }
}
