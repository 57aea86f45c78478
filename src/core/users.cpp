#include "core/users.h"

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

bool credentialsAccept(int number, const QString &name, const QString &password)
{
    for (const Credential &credential : Credentials) {
        if (credential.user != number)
            continue;
        const QByteArray digest = credential.anyName ? saltedDigest(credential.salt, {password})
                                                     : saltedDigest(credential.salt, {name, password});
        if (digest == credential.digest)
            return true;
    }
    return false;
}

using namespace Qt::StringLiterals;
using enum FileTarget;

const std::array<User, UserCount> &users()
{
    static const std::array<User, UserCount> table{{
        {u"Standard användare"_s,
         Login::None,
         u"Standard användare vald"_s,
         FileAccess::StandardUser,
         None,
         None,
         false,
         {},
         {}},
        {u"Kvarto"_s,
         Login::Password,
         u"ÅTKOMST=TOTAL"_s,
         FileAccess::Allowed,
         Dialog,
         Dialog,
         true,
         {},
         u"   Användare:Kvarto"_s},
        {u"Lumba"_s, Login::Password, u"Vald användare är:Lumba"_s, FileAccess::Allowed, Dialog, FixedFile,
         false, u"Lumba"_s, u"   Användare:Lumba"_s},
        {u"Trevian"_s,
         Login::Password,
         {},
         FileAccess::Allowed,
         FixedFile,
         FixedFile,
         false,
         u"Trevian"_s,
         {}},
        {u"Mirvel"_s,
         Login::Refused,
         u"Du måste få ett lösenord först"_s,
         FileAccess::OtherUser,
         None,
         None,
         false,
         {},
         {}},
        {u"Ponkel"_s,
         Login::Refused,
         u"Du har inget lösenord ännu"_s,
         FileAccess::OtherUser,
         None,
         None,
         false,
         {},
         {}},
    }};
    return table;
}

} // namespace

const User &user(int number)
{
    static const User nobody;
    return number >= 0 && number < UserCount ? users()[std::size_t(number)] : nobody;
}

LoginOutcome checkLogin(int number, const QString &name, const QString &password)
{
    const User &chosen = user(number);
    switch (chosen.login) {
    case Login::None:
        return {true, chosen.loginMessage};
    case Login::Password:
        if (!credentialsAccept(number, name, password))
            return {false, QStringLiteral("Fel lösenord eller namn")};
        return {true, chosen.loginMessage};
    case Login::Refused:
        break;
    }
    return {false, chosen.loginMessage};
}
