#include "shell.h"

#include <QDesktopServices>

namespace shell {
namespace {
std::function<void(const QUrl &)> &opener()
{
    static std::function<void(const QUrl &)> open = [](const QUrl &url) {
        QDesktopServices::openUrl(url);
    };
    return open;
}
} // namespace

void openUrl(const QUrl &url)
{
    opener()(url);
}

std::function<void(const QUrl &)> setOpener(std::function<void(const QUrl &)> open)
{
    auto previous = opener();
    if (open)
        opener() = std::move(open);
    return previous;
}
} // namespace shell
