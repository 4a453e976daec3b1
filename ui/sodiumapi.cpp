#include "sodiumapi.h"

#include <sodium.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <dlfcn.h>

#include <memory>
#include <mutex>

namespace golexorb {

namespace {

constexpr const char* kLibraryFile = "libsodium.so.23";
const QString kKeySetting = QStringLiteral("room/signkey");

struct SodiumApi {
    decltype(&::sodium_init) init = nullptr;
    decltype(&::crypto_sign_keypair) keypair = nullptr;
    decltype(&::crypto_sign_detached) sign = nullptr;
    decltype(&::crypto_sign_verify_detached) verify = nullptr;
};

template <typename T>
bool symbol(void* handle, const char* name, T& out)
{
    out = reinterpret_cast<T>(dlsym(handle, name));
    return out != nullptr;
}

const SodiumApi* sodiumApi(QString* why)
{
    static std::once_flag once;
    static SodiumApi api;
    static bool ready = false;
    static QString problem;
    std::call_once(once, [] {
        void* handle = dlopen(kLibraryFile, RTLD_NOW | RTLD_LOCAL); // kept open for the run
        if (!handle) {
            const char* e = dlerror();
            problem = QCoreApplication::translate("PlayTogether", "%1 (install the libsodium23 package)").arg(QString::fromLocal8Bit(e ? e : kLibraryFile));
            return;
        }
        SodiumApi a;
        if (!symbol(handle, "sodium_init", a.init) || !symbol(handle, "crypto_sign_keypair", a.keypair)
            || !symbol(handle, "crypto_sign_detached", a.sign) || !symbol(handle, "crypto_sign_verify_detached", a.verify)) {
            problem = QCoreApplication::translate("PlayTogether", "%1 lacks the signing functions").arg(QLatin1String(kLibraryFile));
            return;
        }
        if (a.init() < 0) {
            problem = QCoreApplication::translate("PlayTogether", "%1 could not start").arg(QLatin1String(kLibraryFile));
            return;
        }
        api = a;
        ready = true;
    });
    if (!ready && why)
        *why = problem;
    return ready ? &api : nullptr;
}

} // namespace

std::optional<game::room::Signing> roomSigning(QSettings& settings, QString* why)
{
    static_assert(crypto_sign_PUBLICKEYBYTES == game::room::kKeyBytes && crypto_sign_BYTES == game::room::kSignatureBytes);
    const SodiumApi* api = sodiumApi(why);
    if (!api)
        return std::nullopt;
    auto secret = game::room::fromHex(settings.value(kKeySetting).toString().toStdString(), crypto_sign_SECRETKEYBYTES);
    if (!secret) {
        std::string pk(crypto_sign_PUBLICKEYBYTES, '\0'), sk(crypto_sign_SECRETKEYBYTES, '\0');
        api->keypair(reinterpret_cast<unsigned char*>(pk.data()), reinterpret_cast<unsigned char*>(sk.data()));
        settings.setValue(kKeySetting, QString::fromStdString(game::room::toHex(sk)));
        secret = std::move(sk);
    }
    // The secret key sits beside the session token: the file is the player's alone.
    settings.sync();
    QFile::setPermissions(settings.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    // An Ed25519 secret key of libsodium's ends with its public key.
    game::room::Signing s;
    s.publicKey = secret->substr(crypto_sign_SECRETKEYBYTES - crypto_sign_PUBLICKEYBYTES);
    auto key = std::make_shared<const std::string>(std::move(*secret));
    s.sign = [api, key](std::string_view message) {
        std::string sig(crypto_sign_BYTES, '\0');
        api->sign(reinterpret_cast<unsigned char*>(sig.data()), nullptr,
                  reinterpret_cast<const unsigned char*>(message.data()), message.size(),
                  reinterpret_cast<const unsigned char*>(key->data()));
        return sig;
    };
    s.verify = [api](std::string_view pk, std::string_view message, std::string_view sig) {
        return pk.size() == crypto_sign_PUBLICKEYBYTES && sig.size() == crypto_sign_BYTES
               && api->verify(reinterpret_cast<const unsigned char*>(sig.data()),
                              reinterpret_cast<const unsigned char*>(message.data()), message.size(),
                              reinterpret_cast<const unsigned char*>(pk.data()))
                      == 0;
    };
    return s;
}

} // namespace golexorb
