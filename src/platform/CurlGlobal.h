#pragma once

namespace birch {

// libcurl's process-wide set-up and tear-down. `main` holds one for the whole run, created
// before any thread can make a request.
class CurlGlobal {
public:
    CurlGlobal();
    ~CurlGlobal();
    CurlGlobal(const CurlGlobal&) = delete;
    CurlGlobal& operator=(const CurlGlobal&) = delete;

    // False when libcurl could not be set up; every request then fails.
    bool ready() const { return ready_; }

private:
    bool ready_;
};

} // namespace birch
