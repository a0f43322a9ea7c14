#pragma once

#include <QUrl>

namespace birch {

// Opens an address in the desktop's browser. No label opens links by itself.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when the address was not handed over (refused or failed).
    virtual bool open(const QUrl& url) = 0;
};

// The desktop's default handler. While BIRCH_LOOPBACK_ONLY is set (as under CTest) only
// addresses on 127.0.0.0/8 are opened.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

} // namespace birch
