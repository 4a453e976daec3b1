#include "mosquittoapi.h"

#include <QCoreApplication>
#include <dlfcn.h>

#include <mutex>

namespace golexorb {

namespace {

constexpr const char* kLibraryFile = "libmosquitto.so.1";

template <typename T>
bool symbol(void* handle, const char* name, T& out)
{
    out = reinterpret_cast<T>(dlsym(handle, name));
    return out != nullptr;
}

} // namespace

const MosquittoApi* mosquittoApi(QString* why)
{
    static std::once_flag once;
    static MosquittoApi api;
    static bool ready = false;
    static QString problem;
    std::call_once(once, [] {
        void* handle = dlopen(kLibraryFile, RTLD_NOW | RTLD_LOCAL); // kept open for the run
        if (!handle) {
            const char* e = dlerror();
            problem = QCoreApplication::translate("PlayTogether", "%1 (install the libmosquitto1 package)").arg(QString::fromLocal8Bit(e ? e : kLibraryFile));
            return;
        }
        MosquittoApi a;
        if (!symbol(handle, "mosquitto_lib_init", a.lib_init) || !symbol(handle, "mosquitto_new", a.create)
            || !symbol(handle, "mosquitto_destroy", a.destroy) || !symbol(handle, "mosquitto_threaded_set", a.threaded_set)
            || !symbol(handle, "mosquitto_int_option", a.int_option) || !symbol(handle, "mosquitto_will_set", a.will_set)
            || !symbol(handle, "mosquitto_username_pw_set", a.username_pw_set)
            || !symbol(handle, "mosquitto_tls_set", a.tls_set) || !symbol(handle, "mosquitto_tls_opts_set", a.tls_opts_set)
            || !symbol(handle, "mosquitto_connect_async", a.connect_async)
            || !symbol(handle, "mosquitto_connect_bind_v5", a.connect_bind_v5)
            || !symbol(handle, "mosquitto_property_add_int32", a.property_add_int32)
            || !symbol(handle, "mosquitto_property_free_all", a.property_free_all)
            || !symbol(handle, "mosquitto_reason_string", a.reason_string)
            || !symbol(handle, "mosquitto_reconnect_async", a.reconnect_async) || !symbol(handle, "mosquitto_loop", a.loop)
            || !symbol(handle, "mosquitto_disconnect", a.disconnect) || !symbol(handle, "mosquitto_publish", a.publish)
            || !symbol(handle, "mosquitto_subscribe", a.subscribe) || !symbol(handle, "mosquitto_unsubscribe", a.unsubscribe)
            || !symbol(handle, "mosquitto_publish_callback_set", a.publish_callback_set)
            || !symbol(handle, "mosquitto_unsubscribe_callback_set", a.unsubscribe_callback_set)
            || !symbol(handle, "mosquitto_connect_callback_set", a.connect_callback_set)
            || !symbol(handle, "mosquitto_disconnect_callback_set", a.disconnect_callback_set)
            || !symbol(handle, "mosquitto_message_callback_set", a.message_callback_set)
            || !symbol(handle, "mosquitto_log_callback_set", a.log_callback_set)
            || !symbol(handle, "mosquitto_strerror", a.strerror)
            || !symbol(handle, "mosquitto_connack_string", a.connack_string)) {
            problem = QCoreApplication::translate("PlayTogether", "%1 lacks the functions this game uses").arg(QString::fromLatin1(kLibraryFile));
            return;
        }
        a.lib_init();
        api = a;
        ready = true;
    });
    if (!ready && why)
        *why = problem;
    return ready ? &api : nullptr;
}

} // namespace golexorb
