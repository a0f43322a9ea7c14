#include "platform/CurlGlobal.h"

#include <curl/curl.h>

namespace birch {

CurlGlobal::CurlGlobal() : ready_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}

CurlGlobal::~CurlGlobal()
{
    if (ready_)
        curl_global_cleanup();
}

} // namespace birch
