#include "platform/ServerAddress.h"

#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace platform {

std::optional<ServerAddress> readServerAddress(const QString& text, QString* why) {
    const auto refuse = [why](const QString& reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"postgresql"_s && url.scheme() != u"postgres"_s))
        return refuse(u"PostgreSQL のアドレス（postgresql://ホスト:ポート/データベース）ではありません。"_s);
    if (!url.password().isEmpty())
        return refuse(u"アドレスにパスワードは書けません。パスワードは ~/.pgpass に書いてください。"_s);
    ServerAddress address;
    address.host = url.host(QUrl::FullyDecoded);
    address.port = url.port(-1);
    address.database = url.path(QUrl::FullyDecoded).mid(1);
    address.user = url.userName(QUrl::FullyDecoded);
    QStringList options;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key == u"password"_s)
            return refuse(u"アドレスにパスワードは書けません。パスワードは ~/.pgpass に書いてください。"_s);
        if (key.contains(u' ') || value.contains(u' ') || value.contains(u';'))
            return refuse(u"アドレスの「%1」は使えません。"_s.arg(key));
        options.append(key + u'=' + value);
    }
    address.options = options.join(u';');
    return address;
}

} // namespace platform
