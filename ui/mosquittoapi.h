#pragma once
// libmosquitto, opened with dlopen at the first join: the program does not
// link it, so the start-up loads neither it nor the TLS libraries it
// needs, and the game plays alone without it. mosquitto.h gives the types;
// the functions come from the loaded library.

#include <mosquitto.h>
#include <mqtt_protocol.h>

#include <QString>

namespace golexorb {

struct MosquittoApi {
    decltype(&::mosquitto_lib_init) lib_init = nullptr;
    decltype(&::mosquitto_new) create = nullptr;
    decltype(&::mosquitto_destroy) destroy = nullptr;
    decltype(&::mosquitto_threaded_set) threaded_set = nullptr;
    decltype(&::mosquitto_int_option) int_option = nullptr;
    decltype(&::mosquitto_will_set) will_set = nullptr;
    decltype(&::mosquitto_username_pw_set) username_pw_set = nullptr;
    decltype(&::mosquitto_tls_set) tls_set = nullptr;
    decltype(&::mosquitto_tls_opts_set) tls_opts_set = nullptr;
    decltype(&::mosquitto_connect_async) connect_async = nullptr;
    decltype(&::mosquitto_connect_bind_v5) connect_bind_v5 = nullptr;
    decltype(&::mosquitto_property_add_int32) property_add_int32 = nullptr;
    decltype(&::mosquitto_property_free_all) property_free_all = nullptr;
    decltype(&::mosquitto_reconnect_async) reconnect_async = nullptr;
    decltype(&::mosquitto_loop) loop = nullptr;
    decltype(&::mosquitto_disconnect) disconnect = nullptr;
    decltype(&::mosquitto_publish) publish = nullptr;
    decltype(&::mosquitto_subscribe) subscribe = nullptr;
    decltype(&::mosquitto_unsubscribe) unsubscribe = nullptr;
    decltype(&::mosquitto_connect_callback_set) connect_callback_set = nullptr;
    decltype(&::mosquitto_disconnect_callback_set) disconnect_callback_set = nullptr;
    decltype(&::mosquitto_message_callback_set) message_callback_set = nullptr;
    decltype(&::mosquitto_publish_callback_set) publish_callback_set = nullptr;
    decltype(&::mosquitto_unsubscribe_callback_set) unsubscribe_callback_set = nullptr;
    decltype(&::mosquitto_log_callback_set) log_callback_set = nullptr;
    decltype(&::mosquitto_strerror) strerror = nullptr;
    decltype(&::mosquitto_connack_string) connack_string = nullptr;
    decltype(&::mosquitto_reason_string) reason_string = nullptr;
};

// The library, opened and initialised once for the run; nullptr when it
// cannot be had, with the reason for the player in `why`.
const MosquittoApi* mosquittoApi(QString* why);

} // namespace golexorb
