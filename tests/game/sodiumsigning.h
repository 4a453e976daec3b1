#pragma once
// Real Ed25519 signing for tests and fuzz targets, with libsodium linked
// (the game opens it at run time): a key made from one seed byte, so that
// runs repeat.

#include "roomsign.h"

#include <sodium.h>

#include <memory>

inline game::room::Signing sodiumSigning(unsigned char seedByte)
{
    if (sodium_init() < 0)
        std::abort();
    unsigned char seed[crypto_sign_SEEDBYTES];
    std::fill(std::begin(seed), std::end(seed), seedByte);
    std::string pk(crypto_sign_PUBLICKEYBYTES, '\0');
    auto sk = std::make_shared<std::string>(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_seed_keypair(reinterpret_cast<unsigned char*>(pk.data()), reinterpret_cast<unsigned char*>(sk->data()), seed);
    game::room::Signing s;
    s.publicKey = pk;
    s.sign = [sk](std::string_view m) {
        std::string sig(crypto_sign_BYTES, '\0');
        crypto_sign_detached(reinterpret_cast<unsigned char*>(sig.data()), nullptr,
                             reinterpret_cast<const unsigned char*>(m.data()), m.size(),
                             reinterpret_cast<const unsigned char*>(sk->data()));
        return sig;
    };
    s.verify = [](std::string_view key, std::string_view m, std::string_view sig) {
        return key.size() == crypto_sign_PUBLICKEYBYTES && sig.size() == crypto_sign_BYTES
               && crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(sig.data()),
                                              reinterpret_cast<const unsigned char*>(m.data()), m.size(),
                                              reinterpret_cast<const unsigned char*>(key.data()))
                      == 0;
    };
    return s;
}
