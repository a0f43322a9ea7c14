#pragma once

#include "widgets/UrlOpener.h"

#include <QList>
#include <QUrl>

namespace birch::test {

class RecordingUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override
    {
        opened.push_back(url);
        return true;
    }
    QList<QUrl> opened;
};

} // namespace birch::test
