#include "platform/CurlLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace birch {

namespace {

constexpr const char* kLibraryName = "libcurl.so.4";

class CurlLibrary {
public:
    CurlLibrary()
    {
        handle_ = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            const char* error = dlerror();
            reason_ = std::string("libcurl cannot be loaded: ") + (error != nullptr ? error : kLibraryName);
            return;
        }
        decltype(&curl_global_init) globalInit = nullptr;
        const bool found =
            bind(globalInit, "curl_global_init") && bind(globalCleanup_, "curl_global_cleanup") &&
            bind(functions_.easy_init, "curl_easy_init") && bind(functions_.easy_cleanup, "curl_easy_cleanup") &&
            bind(functions_.easy_setopt, "curl_easy_setopt") && bind(functions_.easy_perform, "curl_easy_perform") &&
            bind(functions_.easy_getinfo, "curl_easy_getinfo") &&
            bind(functions_.easy_strerror, "curl_easy_strerror") &&
            bind(functions_.slist_append, "curl_slist_append") &&
            bind(functions_.slist_free_all, "curl_slist_free_all") && bind(functions_.url, "curl_url") &&
            bind(functions_.url_set, "curl_url_set") && bind(functions_.url_get, "curl_url_get") &&
            bind(functions_.url_cleanup, "curl_url_cleanup") && bind(functions_.free, "curl_free");
        if (!found)
            return;
        if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
            reason_ = "libcurl could not be set up";
            globalCleanup_ = nullptr;
            return;
        }
        ready_ = true;
    }

    // The library stays mapped until the process ends: nothing may call into it after unloading.
    ~CurlLibrary()
    {
        if (ready_)
            globalCleanup_();
    }

    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;

    const CurlFunctions* functions(std::string& reason) const
    {
        if (!ready_)
            reason = reason_;
        return ready_ ? &functions_ : nullptr;
    }

private:
    template <typename Function> bool bind(Function& function, const char* name)
    {
        function = reinterpret_cast<Function>(dlsym(handle_, name));
        if (function == nullptr)
            reason_ = std::string("libcurl lacks ") + name;
        return function != nullptr;
    }

    void* handle_ = nullptr;
    CurlFunctions functions_{};
    decltype(&curl_global_cleanup) globalCleanup_ = nullptr;
    bool ready_ = false;
    std::string reason_;
};

} // namespace

const CurlFunctions* curlFunctions(std::string& reason)
{
    // Made by the first request, whichever thread makes it, and kept until exit.
    static const CurlLibrary library;
    return library.functions(reason);
}

} // namespace birch
