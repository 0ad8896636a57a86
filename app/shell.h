#pragma once

#include <QUrl>
#include <functional>

// Opening a web address with the desktop's default browser; tests replace the opener.
namespace shell {
void openUrl(const QUrl &url);
std::function<void(const QUrl &)> setOpener(std::function<void(const QUrl &)> opener);
} // namespace shell
